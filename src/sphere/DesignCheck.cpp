#include "sphere/DesignCheck.h"
#include "document/FieldValue.h"
#include "sphere/ScriptCheck.h"
#include "sphere/DesignCheckRules.h"

#include "document/Document.h"
#include "document/LineBreaks.h"
#include "platform/SphereLine.h"
#include "platform/SphereNumber.h"

#include <QSet>

#include <algorithm>
#include <limits>

namespace DesignCheck {

namespace {

// The first field of the record holding a NUL, 0 when none does.
int nulFieldOf(const RecordWalker &w)
{
    for (int k = 1; k < w.length(); ++k)
        if (w.field(k).contains(QChar(0)))
            return k;
    return 0;
}

} // namespace

std::optional<int> Rules::decimalValue(const QString &text)
{
    const qsizetype sign = (text.startsWith(u'-') || text.startsWith(u'+')) ? 1 : 0;
    if (text.size() == sign || text.size() - sign > 10)
        return std::nullopt;
    qint64 value = 0;
    for (qsizetype i = sign; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    if (value > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(text.startsWith(u'-') ? -value : value);
}

QString Rules::bareName(const QString &fileName)
{
    const qsizetype slash = std::max(fileName.lastIndexOf(u'/'), fileName.lastIndexOf(u'\\'));
    const QString bare = fileName.mid(slash + 1);
    return bare.left(std::max<qsizetype>(0, bare.size() - 4));
}

QList<DesignProblem> Rules::run()
{
    readOrigin();
    m_positions.reserve(m_lines.size() / 8);
    m_problems.reserve(m_lines.size() / 8);
    RecordWalker w(m_lines);
    while (w.next()) {
        m_line = w.line() + 1;
        m_elementKind = ElementKind::None;
        switch (w.item()) {
        case RecordWalker::Item::PageOpen:
            checkPage(w);
            break;
        case RecordWalker::Item::Element:
            checkElement(w);
            break;
        case RecordWalker::Item::Other:
            if (m_lines[w.line()] == Records::NoDispose && !isRecentDialect()) {
                m_kind = QStringLiteral("window flags");
                warn(CheckedFields::Flags,
                     QStringLiteral("dialect %1 has no nodispose; the export leaves it out").arg(m_dialect));
            }
            break;
        case RecordWalker::Item::Misc:
            checkWindowFlags(w);
            break;
        case RecordWalker::Item::CloseBlock:
            m_kind = QStringLiteral("close block");
            if (w.field(1).contains(QChar(0)))
                fail(CheckedFields::Events, QStringLiteral("line %1 holds a NUL character, which stops the server "
                                                           "loading the script; the export stops there").arg(m_line + 1));
            checkEvents(w.field(1));
            break;
        case RecordWalker::Item::Location:
            checkLocation(w);
            break;
        default:
            break;
        }
    }
    // The walk reports in line order; what is found after it goes in between.
    const qsizetype walked = m_problems.size();
    checkPageLinks();
    checkRadioGroups();
    checkSharedFirsts();
    const auto byLine = [](const DesignProblem &a, const DesignProblem &b) { return a.line < b.line; };
    if (m_problems.size() > walked) {
        std::stable_sort(m_problems.begin() + walked, m_problems.end(), byLine);
        std::inplace_merge(m_problems.begin(), m_problems.begin() + walked, m_problems.end(), byLine);
    }
    return m_problems;
}

std::optional<int> Rules::number(const QString &label, const QString &text, const QString &field)
{
    if (FieldValue::isComputed(text))
        return std::nullopt; // the server computes it
    const std::optional<int> value = decimalValue(text);
    if (!value) {
        const qsizetype sign = (text.startsWith(u'-') || text.startsWith(u'+')) ? 1 : 0;
        const bool digits = text.size() > sign
                            && std::all_of(text.cbegin() + sign, text.cend(), [](QChar c) { return c.isDigit(); });
        if (digits)
            warn(field, QStringLiteral("%1 \"%2\" is past the largest number the server holds, 2147483647")
                            .arg(label, text));
        else   // the server's reading of the line goes astray from that word on
            warn(CheckedFields::Element, QStringLiteral("%1 \"%2\" is not a number").arg(label, text));
        return std::nullopt;
    }
    // Only a leading zero or plus sign makes the server read it otherwise.
    const bool leading = text.front() == u'0' || text.front() == u'+' || (text.front() == u'-' && text.size() > 1 && text[1] == u'0');
    if (!leading || text.size() == 1)
        return value;
    const QString plain = SphereLine::withoutLeadingZeros(text);
    if (plain != text) {
        const qint64 read = SphereNumber::tryParse(text).value_or(0);
        if (read != *value)
            warn(field, QStringLiteral("%1 \"%2\" has a leading zero, which the server reads as hexadecimal (%3); "
                                       "the export writes %4")
                            .arg(label, text, QString::number(read), plain));
    }
    return value;
}

bool Rules::isOldDialect() const { return m_dialect == SphereDialect::V48eTo51a; }
bool Rules::isRecentDialect() const { return m_dialect == SphereDialect::V55iTo99g; }

// The screen origin the export writes: the last location record, 0, 0 without one.
void Rules::readOrigin()
{
    const Document doc(m_lines);
    if (const int at = doc.lastLocationLine(); at >= 0) {
        m_originX = decimalValue(doc.line(at + 1)).value_or(0);
        m_originY = decimalValue(doc.line(at + 2)).value_or(0);
    }
}

// The older dialect has no window flags: a dialog meant to stay put can be closed or moved.
void Rules::checkWindowFlags(const RecordWalker &w)
{
    m_kind = QStringLiteral("window flags");
    for (const int k : {1, 2})
        if (LineBreaks::holds(w.field(k)))
            fail(CheckedFields::Flags, QStringLiteral("line %1 holds a line break; the export stops there").arg(m_line + k));
    if (!isOldDialect())
        return;
    const std::pair<int, const char *> flags[] = {{1, "Can Not Close (noclose)"}, {2, "Can Not Move (nomove)"}};
    for (const auto &[field, name] : flags)
        if (w.field(field) == u"1")
            warn(CheckedFields::Flags, QStringLiteral("dialect %1 has no %2; the export leaves it out")
                                           .arg(m_dialect, QString::fromLatin1(name)));
}

void Rules::checkLocation(const RecordWalker &w)
{
    m_kind = QStringLiteral("location");
    for (const int k : {1, 2})
        if (LineBreaks::holds(w.field(k)))
            fail(CheckedFields::Place, QStringLiteral("line %1 holds a line break; the export stops there").arg(m_line + k));
    number(QStringLiteral("X"), w.field(1), CheckedFields::Place);
    number(QStringLiteral("Y"), w.field(2), CheckedFields::Place);
}

void Rules::checkPage(const RecordWalker &w)
{
    m_kind = QStringLiteral("page");
    const auto page = number(QStringLiteral("number"), w.field(1), CheckedFields::Page);
    m_pageId = page ? *page : std::numeric_limits<int>::min() + m_unnumberedPages++;
    if (page && *page < 0)
        warn(CheckedFields::Page,
             QStringLiteral("the server drops page %1, and its elements land on the page before").arg(*page));
    if (page && !m_pageLines.contains(*page))
        m_pageLines.insert(*page, m_line);
}

void Rules::checkElement(const RecordWalker &w)
{
    if (Records::isScript(w.kind())) {
        followLoops(w.field(Records::ScriptLineField));
        return; // the rest is ScriptCheck's
    }
    m_kind = Records::wordOf(w.kind());
    m_elementKind = w.kind();
    if (!w.complete()) {
        warn(CheckedFields::Element, QStringLiteral("the record is cut short at the end of the design"));
        return;
    }
    if (const int field = LineBreaks::misplacedIn(w); field >= 0) {
        fail(CheckedFields::nameOf(w.kind(), field),
             LineBreaks::problem(w, field) + QStringLiteral("; the export stops there"));
        return;
    }
    if (const int field = nulFieldOf(w); field > 0) {
        fail(CheckedFields::nameOf(w.kind(), field),
             QStringLiteral("line %1 holds a NUL character, which stops the server loading the script; the export "
                            "stops there").arg(w.line() + field + 1));
        return;
    }
    checkPassedVariables(w);
    if (w.kind() == ElementKind::Textentry)
        checkReplySize(w.field(Records::textFieldOf(w.kind())));
    const auto x = number(QStringLiteral("X"), w.field(1), CheckedFields::Place);
    const auto y = number(QStringLiteral("Y"), w.field(2), CheckedFields::Place);
    QSize size(0, 0);
    switch (w.kind()) {
    case ElementKind::Gumppic:
        size = checkGumppic(w.field(3));
        break;
    case ElementKind::Resizepic:
        size = checkResizepic(w);
        break;
    case ElementKind::Text:
        checkText(w);
        break;
    case ElementKind::Button:
        size = checkButton(w);
        break;
    case ElementKind::None:
        break;
    default:
        size = checkNewerKind(w);
        break;
    }
    if (x && y) {
        checkOnScreen(*x, *y, size);
        if (w.kind() == ElementKind::Text || w.kind() == ElementKind::Button)
            checkOverlap(w.kind(), *x, *y);
    }
}

void Rules::checkOnScreen(int x, int y, QSize size)
{
    if (x < 0 || y < 0) {
        warn(CheckedFields::Place, QStringLiteral("it stands at %1, %2, off the screen; the server reads a negative "
                                                  "position as relative to the origin").arg(x).arg(y));
        return;
    }
    const qint64 right = qint64(m_originX) + x + size.width();
    const qint64 bottom = qint64(m_originY) + y + size.height();
    if (right > DesignCheck::ScreenWidth || bottom > DesignCheck::ScreenHeight)
        advise(QStringLiteral("it reaches %1, %2 on the screen, past %3 × %4")
                   .arg(right).arg(bottom).arg(DesignCheck::ScreenWidth).arg(DesignCheck::ScreenHeight));
}

void Rules::checkOverlap(ElementKind kind, int x, int y)
{
    const PositionKey key{(qint64(m_pageId) << 8) | qint64(kind), (qint64(x) << 32) | quint32(y)};
    if (const auto first = m_positions.constFind(key); first != m_positions.cend())
        advise(QStringLiteral("it stands at %1, %2 like the %3 on line %4 of the same page")
                   .arg(x).arg(y).arg(m_kind).arg(*first));
    else
        m_positions.insert(key, m_line);
}

void Rules::checkPageLinks()
{
    QSet<int> reached;
    for (const auto &[line, target] : std::as_const(m_pageButtons)) {
        reached.insert(target);
        if (!m_pageLines.contains(target)) {
            m_line = line;
            m_kind = Records::wordOf(ElementKind::Button);
            advise(QStringLiteral("it switches to page %1, which the design does not have").arg(target));
        }
    }
    for (auto it = m_pageLines.cbegin(); it != m_pageLines.cend(); ++it) {
        if (it.key() > 1 && !reached.contains(it.key())) {
            m_line = it.value();
            m_kind = QStringLiteral("page");
            advise(QStringLiteral("no button switches to page %1").arg(it.key()));
        }
    }
}

void Rules::checkSharedFirsts()
{
    m_kind = Records::wordOf(ElementKind::Button);
    for (const SharedReply &s : std::as_const(m_sharedFirsts)) {
        m_line = s.line;
        warn(CheckedFields::Events, QStringLiteral("reply %1 is also that of line %2, whose events the server may run "
                                                   "for both").arg(s.reply).arg(s.other));
    }
}

void Rules::checkRadioGroups()
{
    m_kind = Records::wordOf(ElementKind::Radio);
    for (const auto &[pageAndGroup, group] : m_radioGroups) {
        if (group.checked)
            continue;
        m_line = group.line;
        advise(QStringLiteral("no radio of group %1 is checked, so the client may send none").arg(pageAndGroup.second));
    }
}

QList<DesignProblem> run(const QStringList &lines, ArtCatalog *art, const QString &dialect)
{
    QList<DesignProblem> found = Rules(lines, art, dialect).run();
    ScriptCheck::mergeInto(found, lines, dialect);
    return found;
}

bool hasErrors(const QList<DesignProblem> &problems)
{
    return std::any_of(problems.cbegin(), problems.cend(),
                       [](const DesignProblem &p) { return p.severity == DesignProblem::Severity::Error; });
}

bool hasWarningsOrErrors(const QList<DesignProblem> &problems)
{
    return std::any_of(problems.cbegin(), problems.cend(),
                       [](const DesignProblem &p) { return p.severity != DesignProblem::Severity::Information; });
}

QString severityWord(DesignProblem::Severity severity)
{
    switch (severity) {
    case DesignProblem::Severity::Error:
        return QStringLiteral("error");
    case DesignProblem::Severity::Information:
        return QStringLiteral("information");
    case DesignProblem::Severity::Warning:
        break;
    }
    return QStringLiteral("warning");
}

QString compilerLine(const QString &file, const DesignProblem &problem)
{
    return QStringLiteral("%1:%2: %3: %4").arg(file).arg(problem.line).arg(severityWord(problem.severity),
                                                                         problem.message);
}

} // namespace DesignCheck
