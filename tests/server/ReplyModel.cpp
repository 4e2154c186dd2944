#include "ReplyModel.h"

#include "document/ButtonReplies.h"
#include "document/LineBreaks.h"
#include "document/RecordWalker.h"
#include "platform/NumberText.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

namespace {

const QString MarkerPrefix = QStringLiteral("qm");

// What one marker line makes the server say for the press, or nothing for
// a line that is no marker.
std::optional<QString> markerOf(const QString &line, const DialogPress &press)
{
    static const QRegularExpression marker(
        QStringLiteral("^\\s*sysmessage\\s+(qm\\S*)(?:\\s+<arg(chk|txt)\\s+(\\d+)>)?\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = marker.match(line);
    if (!m.hasMatch())
        return std::nullopt;
    QString said = m.captured(1);
    if (m.capturedLength(2) == 0)
        return said;
    const quint32 id = m.captured(3).toUInt();
    if (m.captured(2).toLower() == u"chk")
        return said + (press.switches.contains(id) ? QStringLiteral(" 1") : QStringLiteral(" 0"));
    for (const auto &[entry, text] : press.entries)
        if (entry == id)
            return said + u' ' + text;
    return said + u' ';
}

QStringList markersOf(const QString &events, const DialogPress &press)
{
    QStringList markers;
    for (const QString &line : LineBreaks::eventLines(events))
        if (const std::optional<QString> m = markerOf(line, press))
            markers << m->trimmed();   // the server trims what a line expands to
    return markers;
}

} // namespace

namespace ReplyModel {

QList<ExpectedPress> pressesOf(const QStringList &designLines)
{
    const QHash<int, int> replies = ButtonReplies::numbered(designLines);
    DialogPress state;
    QList<int> order;                           // replies of closing buttons, first seen first
    QHash<int, std::pair<int, QString>> blocks; // reply -> line and events of the first button with events
    int closeLine = -1;
    QString closeEvents;
    RecordWalker w(designLines);
    while (w.next()) {
        if (w.item() == RecordWalker::Item::CloseBlock && closeLine < 0) {
            closeLine = w.line() + 1;
            closeEvents = w.field(1);
        }
        if (w.item() != RecordWalker::Item::Element || !w.complete())
            continue;
        switch (w.kind()) {
        case ElementKind::Button: {
            const int reply = replies.value(w.line(), 0);
            if (ButtonReplies::parseFlag(w.field(6)).events && reply != 0 && !blocks.contains(reply))
                blocks.insert(reply, {w.line() + 1, w.field(7)});
            if (w.field(4) == u"1" && reply != 0 && !order.contains(reply))
                order << reply;
            break;
        }
        case ElementKind::Checkbox:
        case ElementKind::Radio:
            if (w.field(4) == u"1")
                if (const auto id = NumberText::tryParse(w.field(5)); id && *id >= 0)
                    state.switches << quint32(*id);
            break;
        case ElementKind::Textentry:
            if (const auto id = NumberText::tryParse(w.field(6)); id && *id >= 0 && *id <= 0xFFFF)
                state.entries.append({quint16(*id), w.field(8)});
            break;
        default:
            break;
        }
    }
    QList<ExpectedPress> presses;
    for (const int reply : std::as_const(order)) {
        ExpectedPress p{state, {}, -1};
        p.press.button = quint32(reply);
        if (const auto block = blocks.constFind(reply); block != blocks.cend()) {
            p.line = block->first;
            p.markers = markersOf(block->second, p.press);
        }
        presses << p;
    }
    ExpectedPress close{state, {}, closeLine};
    if (closeLine > 0)
        close.markers = markersOf(closeEvents, close.press);
    presses << close;
    return presses;
}

QStringList markersIn(const QStringList &messages)
{
    QStringList markers;
    for (const QString &m : messages)
        if (m.startsWith(MarkerPrefix))
            markers << m.trimmed();
    return markers;
}

QString markerLine(const QString &word)
{
    return QStringLiteral("SYSMESSAGE ") + MarkerPrefix + word;
}

} // namespace ReplyModel
