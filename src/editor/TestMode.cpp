#include "editor/TestMode.h"
#include "document/ButtonReplies.h"

#include "document/Document.h"
#include "document/LineBreaks.h"
#include "document/LocalMove.h"
#include "document/RecordWalker.h"
#include "platform/NumberText.h"

#include <QRect>

QString TestMode::enterStatus(const QStringList &lines)
{
    QString status = QStringLiteral("Test mode: click the dialog's buttons; Escape or F5 goes back");
    RecordWalker w(lines);
    while (w.next()) {
        if (w.item() == RecordWalker::Item::Element && Records::isScript(w.kind()))
            return status + QStringLiteral(". Script logic does not run: conditions show the branches of "
                                           "View > Branches");
    }
    return status;
}

void TestMode::enter(const QString &editingPage)
{
    m_active = true;
    m_closed = false;
    m_editingPage = editingPage;
    m_page = editingPage;
}

QString TestMode::leave()
{
    m_active = false;
    m_closed = false;
    return m_editingPage;
}

TestMode::Click TestMode::click(const QStringList &lines, QPoint at, const ButtonSize &buttonSize,
                                const BranchChoice &branches)
{
    Click hit;
    if (!m_active || m_closed)
        return hit;
    // The topmost button under the point: the shown page is drawn over page 0,
    // and later records over earlier ones.
    const QHash<int, int> replies = ButtonReplies::numbered(lines);
    bool onShownPage = false;
    const LogicView logic(lines, branches);
    RecordWalker w(lines);
    while (w.next()) {
        if (w.item() != RecordWalker::Item::Element || w.kind() != ElementKind::Button || !w.complete())
            continue;
        const bool hasEvents = ButtonReplies::parseFlag(w.field(6)).events;
        const int reply = replies.value(w.line(), 0);
        const bool shown = w.page() == m_page;
        if (!shown && w.page() != u"0")
            continue;
        if (onShownPage && !shown)
            continue;
        if (logic.hidden(w.line()))
            continue;
        auto x = NumberText::tryParse(w.field(1));
        auto y = NumberText::tryParse(w.field(2));
        // A place from the origin or computed: where the canvas draws it.
        if (!x || !y || *x < 0 || *y < 0) {
            const std::optional<QPoint> drawn = LocalMove::placeOf(lines, w.line());
            x = drawn ? std::optional<int>(drawn->x()) : std::nullopt;
            y = drawn ? std::optional<int>(drawn->y()) : std::nullopt;
        }
        const QSize size = buttonSize(w.field(3));
        if (!x || !y || !size.isValid() || !QRect(QPoint(*x, *y), size).contains(at))
            continue;
        onShownPage = shown;
        hit = Click();
        hit.line = w.line();
        hit.closes = w.field(4) == u"1";
        hit.page = w.field(5);
        hit.reply = reply;
        if (hit.closes) {
            hit.kind = Click::Kind::Reply;
            if (hasEvents)
                hit.firstEvents = LineBreaks::eventLines(w.field(7)).mid(0, ShownEventLines);
        } else {
            hit.kind = Click::Kind::PageSwitch;
        }
    }
    switch (hit.kind) {
    case Click::Kind::Nothing:
    case Click::Kind::MissingPage:
        break;
    case Click::Kind::Reply:
        m_closed = true;
        hit.status = QStringLiteral("Reply %1").arg(hit.reply)
                     + (hit.firstEvents.isEmpty() ? QStringLiteral(" (no events)")
                                                  : QStringLiteral(": ") + hit.firstEvents.join(QStringLiteral(" / ")))
                     + QStringLiteral(" - the dialog closes");
        break;
    case Click::Kind::PageSwitch:
        if (hit.page == u"0" || !Document(lines).hasPage(hit.page)) {
            hit.kind = Click::Kind::MissingPage;
            hit.status = QStringLiteral("This button switches to page %1, which the design does not have").arg(hit.page);
        } else {
            m_page = hit.page;
            hit.status = QStringLiteral("Page %1").arg(hit.page);
        }
        break;
    }
    return hit;
}
