#include "document/ButtonGumps.h"
#include "document/FieldValue.h"
#include "document/RecordWalker.h"
#include "platform/SphereNumber.h"
#include "sphere/ButtonArtMatcher.h"
#include "sphere/DialogImporter.h"

// The control words of the layout. A control the design cannot hold as an
// element (too few or too many values, a computed art number, text index,
// reply or page, a value that is no number) stays a script line as written.

namespace {

constexpr unsigned bit(int k) { return 1u << k; }

} // namespace

const DialogImporter::Control *DialogImporter::controlOf(const QString &word)
{
    using D = DialogImporter;
    // The words the design holds; each reads its first `numbers` arguments
    // as numbers. Further control words only need a row here.
    static constexpr Control Controls[] = {
        {"page", 1, &D::page, Reading::Server, bit(0)},
        {"gumppic", 3, &D::gumppic, Reading::Server, bit(2)},
        {"resizepic", 5, &D::resizepic, Reading::Server, bit(2)},
        {"text", 4, &D::text, Reading::Passed, bit(3)},
        {"dtext", 3, &D::dtext, Reading::Server, 0},
        {"button", 7, &D::button, Reading::Server, bit(2) | bit(3) | bit(4) | bit(5) | bit(6)},
        {"noclose", 0, &D::noclose, Reading::Passed, 0},
        {"nomove", 0, &D::nomove, Reading::Passed, 0},
        {"nodispose", 0, &D::nodispose, Reading::Passed, 0},
        {"htmlgump", 7, &D::htmlgump, Reading::Passed, bit(4)},
        {"dhtmlgump", 6, &D::dhtmlgump, Reading::Server, 0},
        {"croppedtext", 6, &D::croppedtext, Reading::Passed, bit(5)},
        {"dcroppedtext", 5, &D::dcroppedtext, Reading::Server, 0},
        {"textentry", 7, &D::textentry, Reading::Passed, bit(6)},
        {"textentrylimited", 8, &D::textentry, Reading::Passed, bit(6)},
        {"dtextentry", 6, &D::dtextentry, Reading::Server, 0},
        {"dtextentrylimited", 7, &D::dtextentry, Reading::Server, 0},
        {"checkbox", 6, &D::checkable, Reading::Server, bit(2) | bit(3)},
        {"radio", 6, &D::checkable, Reading::Server, bit(2) | bit(3)},
        {"group", 1, &D::group, Reading::Passed, bit(0)},
        {"gumppictiled", 5, &D::gumppictiled, Reading::Server, bit(4)},
        {"tilepic", 3, &D::tilepic, Reading::Server, 0},
        {"tilepichue", 4, &D::tilepic, Reading::Server, 0},
        {"checkertrans", 4, &D::checkertrans, Reading::Server, 0},
        {"xmfhtmlgump", 7, &D::xmfhtmlgump, Reading::Server, 0},
        {"xmfhtmlgumpcolor", 8, &D::xmfhtmlgump, Reading::Server, 0},
    };
    for (const Control &c : Controls)
        if (word == QLatin1String(c.word))
            return &c;
    return nullptr;
}

// A number the client reads as it stands: plain decimal.
std::optional<int> DialogImporter::clientNumber(const QString &arg)
{
    bool ok = false;
    const int value = arg.toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<DialogImporter::Values> DialogImporter::numbers(const Line &line, const Statement &s, int count,
                                                              bool withPosition)
{
    Values v;
    v.numbers.reserve(std::size_t(count));
    for (int k = 0; k < count; ++k) {
        const QString &arg = s.args[k];
        const bool position = withPosition && k < 2;
        // What the server computes stays as written: expressions anywhere
        // but in art, text and reply numbers, relative places in positions.
        if (!(m_literal & bit(k))
            && (arg.contains(u'<') || (position && FieldValue::formOf(arg) == FieldValue::Form::Relative))) {
            // A control that passes it to the client as written stays a
            // script line: the design writes such an element inline, where
            // the server reads the number itself (hexadecimal variables, places
            // from the origin), which would change what the client gets.
            if (m_reading == Reading::Passed) {
                keepScript(line);
                return std::nullopt;
            }
            v.numbers.push_back(0);
            v.texts << arg;
            continue;
        }
        const std::optional<int> n = m_reading == Reading::Passed ? clientNumber(arg) : SphereNumber::tryParse(arg);
        if (!n) {
            keepScript(line);
            return std::nullopt;
        }
        v.numbers.push_back(*n);
        v.texts << numberText(*n);
    }
    return v;
}

bool DialogImporter::extraValues(const Line &line, const Statement &s, int used)
{
    if (s.args.size() <= used)
        return false;
    keepScript(line);
    return true;
}

bool DialogImporter::validGump(const Line &line, int gump)
{
    if (gump >= 0)
        return true;
    keepScript(line);
    return false;
}

QString DialogImporter::gumpFile(int gump)
{
    return QString::number(gump, 16).toUpper() + QStringLiteral(".bmp");
}

// The inline text of a d-form: what follows its first `values` arguments, spaces inside kept.
QString DialogImporter::textAfter(const Statement &s, int values)
{
    QStringView rest = s.rest;
    for (int k = 0; k < values; ++k) {
        rest = rest.trimmed();
        qsizetype end = 0;
        int depth = 0; // an expression's blanks are its own
        while (end < rest.size() && (depth > 0 || !rest[end].isSpace())) {
            if (rest[end] == u'<')
                ++depth;
            else if (rest[end] == u'>' && depth > 0)
                --depth;
            ++end;
        }
        rest = rest.mid(end);
    }
    return rest.trimmed().toString();
}

void DialogImporter::page(const Line &line, const Statement &s)
{
    if (extraValues(line, s, 1))
        return;
    const auto v = numbers(line, s, 1, false);
    if (!v)
        return;
    // The server drops a page below 1: what follows stays on the page before.
    if ((*v)[0] <= 0)
        return;
    m_page = (*v)[0];
    pageRecords(m_page);
}

void DialogImporter::gumppic(const Line &line, const Statement &s)
{
    if (extraValues(line, s, 4))
        return;
    const auto v = numbers(line, s, 3, true);
    if (!v || !validGump(line, (*v)[2]))
        return;
    // A fourth value goes to the client as written (" hue=N").
    if (s.args.size() > 3) {
        const QString &written = s.args[3];
        const auto hue = clientNumber(written);
        if (!hue && !written.contains(u'<')) {
            keepScript(line);
            return;
        }
        add({Records::wordOf(ElementKind::Gumppichue), v->text(0), v->text(1), gumpFile((*v)[2]),
             hue ? numberText(*hue) : written});
        return;
    }
    add({Records::wordOf(ElementKind::Gumppic), v->text(0), v->text(1), gumpFile((*v)[2])});
}

void DialogImporter::resizepic(const Line &line, const Statement &s)
{
    if (extraValues(line, s, 5))
        return;
    const auto v = numbers(line, s, 5, true);
    if (!v || !validGump(line, (*v)[2]))
        return;
    add({Records::wordOf(ElementKind::Resizepic), v->text(0), v->text(1), numberText((*v)[2]) + QStringLiteral(".bmp"),
         v->text(3), v->text(4)});
}

void DialogImporter::text(const Line &line, const Statement &s)
{
    if (extraValues(line, s, 4))
        return;
    const auto v = numbers(line, s, 4, true);
    if (!v)
        return;
    addIndexed(line, {Records::wordOf(ElementKind::Text), v->text(0), v->text(1), v->text(2)}, (*v)[3]);
}

// An inline text is expanded where it stands (in a loop, once a row), a TEXT
// line once: one that reads the script's values stays as written.
bool DialogImporter::keptInline(const Line &line, const Statement &s, int values)
{
    if (!holdsExpression(textAfter(s, values)))
        return false;
    keepScript(line);
    return true;
}

// A "<" the server expands: any but the client's HTML tags (<B>, </BASEFONT>, <BR>).
bool DialogImporter::holdsExpression(QStringView text)
{
    static const QStringList tags = {
        QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("i"), QStringLiteral("u"), QStringLiteral("br"),
        QStringLiteral("p"), QStringLiteral("s"), QStringLiteral("big"), QStringLiteral("small"),
        QStringLiteral("center"), QStringLiteral("left"), QStringLiteral("right"), QStringLiteral("div"),
        QStringLiteral("font"), QStringLiteral("basefont"), QStringLiteral("h1"), QStringLiteral("h2"),
        QStringLiteral("h3"), QStringLiteral("em"), QStringLiteral("strong"), QStringLiteral("span"),
    };
    for (qsizetype at = text.indexOf(u'<'); at >= 0; at = text.indexOf(u'<', at + 1)) {
        qsizetype k = at + 1;
        if (k < text.size() && text[k] == u'/')
            ++k;
        const qsizetype start = k;
        while (k < text.size() && text[k].isLetterOrNumber())
            ++k;
        const bool tagEnd = k < text.size() && (text[k] == u'>' || text[k].isSpace());
        if (!tagEnd || !tags.contains(text.mid(start, k - start).toString().toLower()))
            return true;
    }
    return false;
}

void DialogImporter::dtext(const Line &line, const Statement &s)
{
    if (keptInline(line, s, 3))
        return;
    const auto v = numbers(line, s, 3, true);
    if (!v)
        return;
    QString shown = textAfter(s, 3);
    if (shown.startsWith(u'.'))
        shown.remove(0, 1);
    add({Records::wordOf(ElementKind::Text), v->text(0), v->text(1), v->text(2), shown});
}

// Adds the record whose last field is the string of TEXT section entry `index`.
void DialogImporter::addIndexed(const Line &line, const QStringList &record, int index)
{
    if (index < m_textSectionSize) {
        // The index stays until the TEXT section gives its string.
        m_textRecords.emplace_back(m_page, int(pageRecords(m_page).size() + record.size()));
        add(record + QStringList{numberText(index)});
        return;
    }
    const qsizetype inlineAt = qsizetype(index) - m_textSectionSize;
    if (inlineAt < m_inlineStrings.size() && m_inlineStrings[inlineAt]) {
        add(record + QStringList{*m_inlineStrings[inlineAt]});
    } else if (inlineAt >= m_inlineStrings.size() && m_inlineStringsComplete) {
        // The client shows nothing for a text that is not there.
        if (!m_hasTextSection && m_inlineStrings.isEmpty()) {
            if (!m_notedNoTextSection)
                noteOf(0, {}, SphereImport::NoTextSection);
            m_notedNoTextSection = true;
        } else {
            noteOf(0, {}, QStringLiteral("NO SUCH TEXT (%1)").arg(index));
        }
        add(record + QStringList{QString()});
    } else {
        keepScript(line);
    }
}

void DialogImporter::htmlgump(const Line &line, const Statement &s)
{
    if (extraValues(line, s, 7))
        return;
    const auto v = numbers(line, s, 7, true);
    if (!v)
        return;
    addIndexed(line, QStringList{Records::wordOf(ElementKind::Htmlgump)} + v->textsOf(0, 4) + v->textsOf(5, 7), (*v)[4]);
}

void DialogImporter::dhtmlgump(const Line &line, const Statement &s)
{
    if (keptInline(line, s, 6))
        return;
    if (const auto v = numbers(line, s, 6, true))
        add(QStringList{Records::wordOf(ElementKind::Htmlgump)} + v->textsOf(0, 6) + QStringList{textAfter(s, 6)});
}

void DialogImporter::croppedtext(const Line &line, const Statement &s)
{
    if (extraValues(line, s, 6))
        return;
    const auto v = numbers(line, s, 6, true);
    if (!v)
        return;
    addIndexed(line, QStringList{Records::wordOf(ElementKind::Croppedtext)} + v->textsOf(0, 5), (*v)[5]);
}

void DialogImporter::dcroppedtext(const Line &line, const Statement &s)
{
    if (keptInline(line, s, 5))
        return;
    const auto v = numbers(line, s, 5, true);
    if (!v)
        return;
    // The server drops one leading "." of the text, as for dtext.
    QString shown = textAfter(s, 5);
    if (shown.startsWith(u'.'))
        shown.remove(0, 1);
    add(QStringList{Records::wordOf(ElementKind::Croppedtext)} + v->textsOf(0, 5) + QStringList{shown});
}

// textentry x y w h hue id index, and textentrylimited with the limit after
// the index, as the client reads it.
void DialogImporter::textentry(const Line &line, const Statement &s)
{
    const bool limited = s.word.endsWith(u"limited");
    const int count = limited ? 8 : 7;
    if (extraValues(line, s, count))
        return;
    const auto v = numbers(line, s, count, true);
    if (!v)
        return;
    addIndexed(line, QStringList{Records::wordOf(ElementKind::Textentry)} + v->textsOf(0, 6)
                   + QStringList{limited ? v->text(7) : QStringLiteral("0")},
               (*v)[6]);
}

void DialogImporter::dtextentry(const Line &line, const Statement &s)
{
    const bool limited = s.word.endsWith(u"limited");
    if (keptInline(line, s, limited ? 7 : 6))
        return;
    const int count = limited ? 7 : 6;
    if (const auto v = numbers(line, s, count, true))
        add(QStringList{Records::wordOf(ElementKind::Textentry)} + v->textsOf(0, 6)
            + QStringList{limited ? v->text(6) : QStringLiteral("0"), textAfter(s, count)});
}

// checkbox and radio: x y up down state id; their art is the library's pair
// of the two gumps, or the gumps themselves when it has none.
void DialogImporter::checkable(const Line &line, const Statement &s)
{
    if (extraValues(line, s, 6))
        return;
    const auto v = numbers(line, s, 6, true);
    if (!v || !validGump(line, (*v)[2]) || !validGump(line, (*v)[3]))
        return;
    const ElementKind kind = s.word == u"radio" ? ElementKind::Radio : ElementKind::Checkbox;
    QStringList record{Records::wordOf(kind), v->text(0), v->text(1), pairArt(line, (*v)[2], (*v)[3]), v->text(4),
                       v->text(5)};
    if (kind == ElementKind::Radio)
        record << numberText(m_group);
    add(record);
}

QString DialogImporter::pairArt(const Line &line, int up, int down)
{
    if (const auto art = m_buttons.pairArt(up, down))
        return *art;
    if (m_missingPairs.insert({up, down}).second)
        note(line, QStringLiteral("no art of the library has the gumps %1 and %2; the design keeps the two numbers "
                                  "(add the pair to the art library to see it drawn)").arg(up).arg(down));
    return ButtonGumps::artName(up, down);
}

// Its number is taken into the radios after it; the export writes it again before them.
void DialogImporter::group(const Line &line, const Statement &s)
{
    if (extraValues(line, s, 1))
        return;
    if (const auto v = numbers(line, s, 1, false))
        m_group = (*v)[0];
}

void DialogImporter::gumppictiled(const Line &line, const Statement &s)
{
    if (extraValues(line, s, 5))
        return;
    const auto v = numbers(line, s, 5, true);
    if (!v || !validGump(line, (*v)[4]))
        return;
    add(QStringList{Records::wordOf(ElementKind::Gumppictiled)} + v->textsOf(0, 4) + QStringList{gumpFile((*v)[4])});
}

// tilepic x y id (further values are ignored by the server), tilepichue x y id hue.
void DialogImporter::tilepic(const Line &line, const Statement &s)
{
    const bool hued = s.word == u"tilepichue";
    if (hued && extraValues(line, s, 4))
        return;
    const auto v = numbers(line, s, 3, true);
    if (!v)
        return;
    // The hue goes to the client as written.
    QString hue = QStringLiteral("0");
    if (hued) {
        const QString &written = s.args[3];
        if (const auto n = clientNumber(written))
            hue = numberText(*n);
        else if (written.contains(u'<'))
            hue = written;
        else
            return keepScript(line);
    }
    add(QStringList{Records::wordOf(ElementKind::Tilepic)} + v->textsOf(0, 3) + QStringList{hue});
}

void DialogImporter::checkertrans(const Line &line, const Statement &s)
{
    if (extraValues(line, s, 4))
        return;
    if (const auto v = numbers(line, s, 4, true))
        add(QStringList{Records::wordOf(ElementKind::Checkertrans)} + v->textsOf(0, 4));
}

void DialogImporter::xmfhtmlgump(const Line &line, const Statement &s)
{
    const bool coloured = s.word == u"xmfhtmlgumpcolor";
    const int count = coloured ? 8 : 7;
    if (extraValues(line, s, count))
        return;
    const auto v = numbers(line, s, 7, true);
    if (!v)
        return;
    // The colour goes to the client as written.
    QString colour = QStringLiteral("0");
    if (coloured) {
        const QString &written = s.args[7];
        if (const auto n = clientNumber(written))
            colour = numberText(*n);
        else if (written.contains(u'<'))
            colour = written;
        else
            return keepScript(line);
    }
    add(QStringList{Records::wordOf(ElementKind::Xmfhtmlgump)} + v->textsOf(0, 7) + QStringList{colour});
}

void DialogImporter::button(const Line &line, const Statement &s)
{
    if (extraValues(line, s, 7))
        return;
    const auto v = numbers(line, s, 7, true);
    if (!v || !validGump(line, (*v)[2]) || !validGump(line, (*v)[3]))
        return;
    const QString art = pairArt(line, (*v)[2], (*v)[3]);
    m_buttonRecords.emplace_back(m_page, int(pageRecords(m_page).size()));
    // The reply stays in the events line until the blocks are attached.
    add({Records::wordOf(ElementKind::Button), v->text(0), v->text(1), art, v->text(4), v->text(5),
         QStringLiteral("0"), v->text(6)});
}

void DialogImporter::noclose(const Line &, const Statement &) { m_noClose = true; }
void DialogImporter::nodispose(const Line &, const Statement &) { m_noDispose = true; }
void DialogImporter::nomove(const Line &, const Statement &) { m_noMove = true; }
