#include "sphere/SphereImport.h"
#include "document/ButtonReplies.h"
#include "document/Document.h"
#include "document/RecordWalker.h"
#include "platform/CappedFile.h"
#include "platform/RuntimeError.h"
#include "platform/SphereEventLine.h"
#include "platform/SphereLine.h"
#include "platform/SphereNumber.h"
#include "platform/TextFile.h"
#include "sphere/ButtonArtMatcher.h"
#include "sphere/SphereScript.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <array>
#include <map>
#include <set>
#include <unordered_map>
#include <optional>
#include <vector>

using SphereScript::Line;
using SphereScript::Section;
using SphereScript::Statement;

namespace {

// Control words the server knows but the design cannot hold.
const QStringList &unsupportedControls()
{
    static const QStringList words = {
        QStringLiteral("buttontileart"), QStringLiteral("xmfhtmltok"), QStringLiteral("itemproperty"),
        QStringLiteral("tooltip"), QStringLiteral("picinpic"),
    };
    return words;
}

// One block of the button section: the replies it answers and its lines.
struct ButtonBlock
{
    int low = 0;
    int high = -1;
    QStringList lines;
    QList<int> numbers; // of the lines in the file
};

std::vector<ButtonBlock> buttonBlocks(const Section &section)
{
    std::vector<ButtonBlock> blocks;
    bool inBlock = false;
    for (const Line &line : section.body) {
        const SphereEventLine::Marker marker = SphereEventLine::marker(line.text);
        if (marker.isMarker) {
            inBlock = marker.range.has_value();
            if (inBlock)
                blocks.push_back(ButtonBlock{marker.range->first, marker.range->second, {}, {}});
        } else if (inBlock) {
            QString kept = line.raw;
            while (!kept.isEmpty() && kept.back().isSpace())
                kept.chop(1);
            blocks.back().lines << kept;
            blocks.back().numbers << line.number;
        }
    }
    return blocks;
}

// Positions, hues and flags are mostly small numbers, written thousands of
// times: their texts are made once and shared.
QString numberText(int value)
{
    static const std::array<QString, 1024> small = [] {
        std::array<QString, 1024> texts;
        for (std::size_t k = 0; k < texts.size(); ++k)
            texts[k] = QString::number(k);
        return texts;
    }();
    return value >= 0 && value < int(small.size()) ? small[std::size_t(value)] : QString::number(value);
}

class Importer
{
public:
    Importer(const Section &layout, ButtonArtMatcher &buttons, const SphereImport::Progress &progress)
        : m_layout(layout), m_buttons(buttons), m_progress(progress) { pageRecords(0); }

    void readLayout()
    {
        const int total = int(m_layout.body.size());
        for (int i = 0; i < total; ++i) {
            const Line &line = m_layout.body[i];
            if (i == 0 && readLocation(line))
                continue;
            readStatement(line);
            if (m_progress && (i % 256 == 255))
                m_progress(i + 1, total);
        }
        if (m_progress)
            m_progress(total, total);
    }

    void resolveTexts(const Section *textSection)
    {
        if (m_textRecords.empty())
            return;
        if (!textSection) {
            noteOf(0, {}, SphereImport::NoTextSection);
            return;
        }
        for (const auto &[page, at] : m_textRecords) {
            QString &indexLine = m_pages[page][at];
            // The index goes to the client as written.
            const auto index = clientNumber(indexLine);
            if (index && *index >= 0 && *index < textSection->body.size()) {
                // The server keeps a TEXT line's leading blanks.
                const Line &text = textSection->body[*index];
                indexLine = SphereLine::keptPart(text.raw).toString();
                noteUnstorable(text.number, indexLine);
            } else {
                // The client shows nothing for a text that is not there.
                noteOf(0, {}, QStringLiteral("NO SUCH TEXT (") + indexLine + u')');
                indexLine.clear();
            }
        }
    }

    void attachButtonBlocks(const Section *buttonSection)
    {
        // Read once: the close block and the buttons' events both come from them.
        const std::vector<ButtonBlock> blocks = buttonSection ? buttonBlocks(*buttonSection)
                                                              : std::vector<ButtonBlock>();
        // The block the server runs when the dialog is closed with the right mouse button.
        if (buttonSection) {
            for (const ButtonBlock &b : blocks) {
                if (b.low <= 0 && 0 <= b.high) {
                    m_closeBlock = b.lines.join(QStringLiteral("\r\n"));
                    break;
                }
            }
        }
        if (m_buttonRecords.empty())
            return;
        if (!buttonSection) {
            noteOf(0, {}, SphereImport::NoButtonSection);
            keepRepliesWithoutEvents();
            return;
        }
        // The first block that answers a reply: single replies by lookup,
        // the few ranges by a walk over those before it.
        std::unordered_map<int, std::size_t> firstSingle;
        std::vector<std::size_t> ranges;
        for (std::size_t b = 0; b < blocks.size(); ++b) {
            if (blocks[b].low == blocks[b].high)
                firstSingle.try_emplace(blocks[b].low, b);
            else
                ranges.push_back(b);
        }
        for (const auto &[page, at] : m_buttonRecords) {
            QStringList &records = m_pages[page];
            const int reply = records[at + 7].toInt();
            std::size_t found = blocks.size();
            // Reply 0 is the dialog's close reply: its block is the close block, no button's events.
            if (reply == 0)
                found = blocks.size();
            else if (const auto single = firstSingle.find(reply); single != firstSingle.end())
                found = single->second;
            for (const std::size_t b : ranges) {
                if (b >= found || reply == 0)
                    break;
                if (reply >= blocks[b].low && reply <= blocks[b].high)
                    found = b;
            }
            // The reply stays the script's: its handlers may tell buttons apart by it.
            ButtonReplies::Flag flag;
            flag.events = found < blocks.size();
            if (reply > 0)
                flag.kept = reply;
            records[at + 6] = ButtonReplies::flagText(flag);
            records[at + 7] = flag.events ? blocks[found].lines.join(QStringLiteral("\r\n")) : QString();
            if (flag.events) {
                for (qsizetype k = 0; k < blocks[found].lines.size(); ++k)
                    noteUnstorable(blocks[found].numbers[k], blocks[found].lines[k]);
            }
        }
    }

    void keepRepliesWithoutEvents()
    {
        for (const auto &[page, at] : m_buttonRecords) {
            QStringList &records = m_pages[page];
            ButtonReplies::Flag flag;
            if (const int reply = records[at + 7].toInt(); reply > 0)
                flag.kept = reply;
            records[at + 6] = ButtonReplies::flagText(flag);
            records[at + 7].clear();
        }
    }

    QStringList documentLines() const
    {
        QStringList lines;
        for (const int page : m_pageOrder)
            lines << QStringLiteral("{BOP") << QString::number(page) << m_pages.at(page) << QStringLiteral("}EOP");
        if (m_location)
            lines << QStringLiteral("LOCATION") << QString::number(m_location->first)
                  << QString::number(m_location->second);
        lines << QStringLiteral("MISC") << flag(m_noClose) << flag(m_noMove);
        if (m_noDispose)
            lines << Records::NoDispose;
        if (m_closeBlock)
            lines << QStringLiteral("CLOSEBLOCK") << *m_closeBlock;
        return lines;
    }

    const QList<ImportNote> &notes() const { return m_notes; }

private:
    using Handler = void (Importer::*)(const Line &, const Statement &);
    // Passed: the server hands the line to the client as written, which
    // reads its numbers as plain decimals, with no origin and no default.
    // The others the server reads itself: hexadecimal after a leading 0,
    // positions from the origin, a value left out read as 0.
    enum class Reading { Server, Passed };
    struct Control { const char *word; int numbers; Handler handle; Reading reading; };


    static QString flag(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }

    void note(const Line &line, const QString &what) { noteOf(line.number, line.raw.trimmed(), what); }
    void noteOf(int lineNumber, const QString &scriptText, const QString &what)
    {
        m_notes.append({lineNumber, scriptText, what});
    }

    // Letters past the 8-bit set stay in the design as read, but a design
    // file cannot hold them: the user learns it now, not when saving.
    void noteUnstorable(int lineNumber, const QString &text)
    {
        const QString letters = Document::unstorableCharacters(text);
        if (letters.isEmpty() || !m_unstorableLines.insert(lineNumber).second)
            return;
        noteOf(lineNumber, text, QStringLiteral("\"%1\" cannot be stored in a design file; saving refuses it until "
                                               "they are changed").arg(letters));
    }

    // "x,y" or "x, y" on the layout's first line.
    bool readLocation(const Line &line)
    {
        static const QRegularExpression location(QStringLiteral("^([^,\\s]+)\\s*,\\s*([^,\\s]+)$"));
        const QRegularExpressionMatch m = location.match(line.text);
        if (!m.hasMatch())
            return false;
        const auto x = SphereNumber::tryParse(m.captured(1));
        const auto y = SphereNumber::tryParse(m.captured(2));
        if (x && y)
            m_location = std::pair{*x, *y};
        else
            note(line, QStringLiteral("the location \"%1\" is not a pair of numbers; left out").arg(line.text));
        return true;
    }

    void readStatement(const Line &line)
    {
        // The words the design holds; each reads its first `numbers` arguments
        // as numbers. Further control words only need a row here.
        static constexpr Control Controls[] = {
            {"page", 1, &Importer::page, Reading::Server},
            {"gumppic", 3, &Importer::gumppic, Reading::Server},
            {"resizepic", 5, &Importer::resizepic, Reading::Server},
            {"text", 4, &Importer::text, Reading::Passed},
            {"dtext", 3, &Importer::dtext, Reading::Server},
            {"button", 7, &Importer::button, Reading::Server},
            {"noclose", 0, &Importer::noclose, Reading::Passed},
            {"nomove", 0, &Importer::nomove, Reading::Passed},
            {"nodispose", 0, &Importer::nodispose, Reading::Passed},
            {"dorigin", 2, &Importer::dorigin, Reading::Server},
            {"htmlgump", 7, &Importer::htmlgump, Reading::Passed},
            {"dhtmlgump", 6, &Importer::dhtmlgump, Reading::Server},
            {"croppedtext", 6, &Importer::croppedtext, Reading::Passed},
            {"dcroppedtext", 5, &Importer::dcroppedtext, Reading::Server},
            {"textentry", 7, &Importer::textentry, Reading::Passed},
            {"textentrylimited", 8, &Importer::textentry, Reading::Passed},
            {"dtextentry", 6, &Importer::dtextentry, Reading::Server},
            {"dtextentrylimited", 7, &Importer::dtextentry, Reading::Server},
            {"checkbox", 6, &Importer::checkable, Reading::Server},
            {"radio", 6, &Importer::checkable, Reading::Server},
            {"group", 1, &Importer::group, Reading::Passed},
            {"gumppictiled", 5, &Importer::gumppictiled, Reading::Server},
            {"tilepic", 3, &Importer::tilepic, Reading::Server},
            {"tilepichue", 4, &Importer::tilepic, Reading::Server},
            {"checkertrans", 4, &Importer::checkertrans, Reading::Server},
            {"xmfhtmlgump", 7, &Importer::xmfhtmlgump, Reading::Server},
            {"xmfhtmlgumpcolor", 8, &Importer::xmfhtmlgump, Reading::Server},
        };
        Statement s = SphereScript::statement(line.text);
        for (const Control &c : Controls) {
            if (s.word != QLatin1String(c.word))
                continue;
            if (s.args.size() < c.numbers && c.reading == Reading::Passed) {
                note(line, QStringLiteral("\"%1\" with too few values left out").arg(s.word));
                return;
            }
            while (s.args.size() < c.numbers)
                s.args << QStringLiteral("0");
            m_reading = c.reading;
            for (int k = 0; k < c.numbers; ++k) {
                if (s.args[k].contains(u'<')) {
                    note(line, QStringLiteral("\"%1\" with an expression left out").arg(s.word));
                    return;
                }
            }
            (this->*c.handle)(line, s);
            return;
        }
        if (unsupportedControls().contains(s.word))
            note(line, QStringLiteral("\"%1\" cannot be held by the design; left out").arg(s.word));
        else
            note(line, QStringLiteral("script line \"%1\" left out").arg(SphereScript::words(line.text).value(0)));
    }

    // A coordinate: "-" is the origin, "+n" and "-n" are relative to it,
    // "*n" moves it by n and uses it, anything else is absolute.
    static std::optional<int> coordinate(const QString &arg, int &origin)
    {
        if (arg == u"-")
            return origin;
        if (arg.startsWith(u'*')) {
            const auto n = SphereNumber::tryParse(QStringView(arg).mid(1));
            if (!n)
                return std::nullopt;
            origin += *n;
            return origin;
        }
        const auto n = SphereNumber::tryParse(arg);
        if (!n)
            return std::nullopt;
        return arg.startsWith(u'+') || arg.startsWith(u'-') ? origin + *n : *n;
    }

    // The numbers of the arguments: positions first when withPosition.
    // A number the client reads as it stands: plain decimal.
    static std::optional<int> clientNumber(const QString &arg)
    {
        bool ok = false;
        const int value = arg.toInt(&ok, 10);
        return ok ? std::optional<int>(value) : std::nullopt;
    }

    std::optional<std::vector<int>> numbers(const Line &line, const Statement &s, int count, bool withPosition)
    {
        std::vector<int> values;
        values.reserve(std::size_t(count));
        for (int k = 0; k < count; ++k) {
            std::optional<int> v = m_reading == Reading::Passed ? clientNumber(s.args[k])
                                   : withPosition && k < 2 ? coordinate(s.args[k], k == 0 ? m_originX : m_originY)
                                                           : SphereNumber::tryParse(s.args[k]);
            if (!v) {
                note(line, QStringLiteral("\"%1\" with a value that is not a number left out").arg(s.word));
                return std::nullopt;
            }
            values.push_back(*v);
        }
        return values;
    }

    void extraValues(const Line &line, const Statement &s, int used)
    {
        if (s.args.size() > used)
            note(line, QStringLiteral("\"%1\": the values after the first %2 left out").arg(s.word).arg(used));
    }

    QStringList &pageRecords(int page)
    {
        auto it = m_pages.find(page);
        if (it == m_pages.end()) {
            it = m_pages.emplace(page, QStringList()).first;
            m_pageOrder.push_back(page);
        }
        return it->second;
    }

    void add(const QStringList &record) { pageRecords(m_page) << record; }

    static QString gumpFile(int gump) { return QString::number(gump, 16).toUpper() + QStringLiteral(".bmp"); }

    void page(const Line &line, const Statement &s)
    {
        const auto v = numbers(line, s, 1, false);
        if (!v)
            return;
        // The server drops a page below 1: what follows stays on the page before.
        if ((*v)[0] <= 0)
            return;
        m_page = (*v)[0];
        pageRecords(m_page);
    }

    void gumppic(const Line &line, const Statement &s)
    {
        const auto v = numbers(line, s, 3, true);
        if (!v || !validGump(line, s, (*v)[2]))
            return;
        // A fourth value is the picture's hue.
        // A fourth value goes to the client as written (" hue=N").
        if (const auto hue = s.args.size() > 3 ? clientNumber(s.args[3]) : std::nullopt) {
            add({Records::wordOf(ElementKind::Gumppichue), numberText((*v)[0]), numberText((*v)[1]), gumpFile((*v)[2]),
                 numberText(*hue)});
            extraValues(line, s, 4);
            return;
        }
        add({Records::wordOf(ElementKind::Gumppic), numberText((*v)[0]), numberText((*v)[1]), gumpFile((*v)[2])});
        extraValues(line, s, 3);
    }

    void resizepic(const Line &line, const Statement &s)
    {
        const auto v = numbers(line, s, 5, true);
        if (!v || !validGump(line, s, (*v)[2]))
            return;
        add({Records::wordOf(ElementKind::Resizepic), numberText((*v)[0]), numberText((*v)[1]),
             numberText((*v)[2]) + QStringLiteral(".bmp"), numberText((*v)[3]), numberText((*v)[4])});
        extraValues(line, s, 5);
    }

    void text(const Line &line, const Statement &s)
    {
        const auto v = numbers(line, s, 3, true);
        if (!v)
            return;
        if (s.args[3].contains(u'<')) {
            note(line, QStringLiteral("\"text\" with an expression left out"));
            return;
        }
        m_textRecords.emplace_back(m_page, int(pageRecords(m_page).size()) + 4);
        add({Records::wordOf(ElementKind::Text), numberText((*v)[0]), numberText((*v)[1]), numberText((*v)[2]),
             s.args[3]});
        extraValues(line, s, 4);
    }

    // The inline text of a d-form: what follows its first `values` arguments, spaces inside kept.
    static QString textAfter(const Statement &s, int values)
    {
        QStringView rest = s.rest;
        for (int k = 0; k < values; ++k) {
            rest = rest.trimmed();
            qsizetype end = 0;
            while (end < rest.size() && !rest[end].isSpace())
                ++end;
            rest = rest.mid(end);
        }
        return rest.trimmed().toString();
    }

    void dtext(const Line &line, const Statement &s)
    {
        const auto v = numbers(line, s, 3, true);
        if (!v)
            return;
        QString shown = textAfter(s, 3);
        if (shown.startsWith(u'.'))
            shown.remove(0, 1);
        noteUnstorable(line.number, shown);
        add({Records::wordOf(ElementKind::Text), numberText((*v)[0]), numberText((*v)[1]), numberText((*v)[2]),
             shown});
    }

    static QStringList numberTexts(const std::vector<int> &v, std::size_t from, std::size_t to)
    {
        QStringList texts;
        for (std::size_t k = from; k < to && k < v.size(); ++k)
            texts << numberText(v[k]);
        return texts;
    }

    // Adds the record whose last field is the string of TEXT section entry `index`.
    void addIndexed(const QStringList &record, int index)
    {
        m_textRecords.emplace_back(m_page, int(pageRecords(m_page).size() + record.size()));
        add(record + QStringList{numberText(index)});
    }

    void htmlgump(const Line &line, const Statement &s)
    {
        const auto v = numbers(line, s, 7, true);
        if (!v)
            return;
        addIndexed(QStringList{Records::wordOf(ElementKind::Htmlgump)} + numberTexts(*v, 0, 4) + numberTexts(*v, 5, 7),
                   (*v)[4]);
        extraValues(line, s, 7);
    }

    void dhtmlgump(const Line &line, const Statement &s)
    {
        noteUnstorable(line.number, s.rest);
        if (const auto v = numbers(line, s, 6, true))
            add(QStringList{Records::wordOf(ElementKind::Htmlgump)} + numberTexts(*v, 0, 6)
                + QStringList{textAfter(s, 6)});
    }

    void croppedtext(const Line &line, const Statement &s)
    {
        const auto v = numbers(line, s, 6, true);
        if (!v)
            return;
        addIndexed(QStringList{Records::wordOf(ElementKind::Croppedtext)} + numberTexts(*v, 0, 5), (*v)[5]);
        extraValues(line, s, 6);
    }

    void dcroppedtext(const Line &line, const Statement &s)
    {
        noteUnstorable(line.number, s.rest);
        const auto v = numbers(line, s, 5, true);
        if (!v)
            return;
        // The server drops one leading "." of the text, as for dtext.
        QString shown = textAfter(s, 5);
        if (shown.startsWith(u'.'))
            shown.remove(0, 1);
        add(QStringList{Records::wordOf(ElementKind::Croppedtext)} + numberTexts(*v, 0, 5) + QStringList{shown});
    }

    // textentry x y w h hue id index, and textentrylimited with the limit after
    // the index, as the client reads it.
    void textentry(const Line &line, const Statement &s)
    {
        const bool limited = s.word.endsWith(u"limited");
        const int count = limited ? 8 : 7;
        const auto v = numbers(line, s, count, true);
        if (!v)
            return;
        addIndexed(QStringList{Records::wordOf(ElementKind::Textentry)} + numberTexts(*v, 0, 6)
                       + QStringList{limited ? numberText((*v)[7]) : QStringLiteral("0")},
                   (*v)[6]);
        extraValues(line, s, count);
    }

    void dtextentry(const Line &line, const Statement &s)
    {
        noteUnstorable(line.number, s.rest);
        const bool limited = s.word.endsWith(u"limited");
        const int count = limited ? 7 : 6;
        if (const auto v = numbers(line, s, count, true))
            add(QStringList{Records::wordOf(ElementKind::Textentry)} + numberTexts(*v, 0, 6)
                + QStringList{limited ? numberText((*v)[6]) : QStringLiteral("0"), textAfter(s, count)});
    }

    // checkbox and radio: x y up down state id; their art is matched by the up gump as a button's.
    void checkable(const Line &line, const Statement &s)
    {
        const auto v = numbers(line, s, 6, true);
        if (!v || !validGump(line, s, (*v)[2]) || !validGump(line, s, (*v)[3]))
            return;
        const ElementKind kind = s.word == u"radio" ? ElementKind::Radio : ElementKind::Checkbox;
        QStringList record{Records::wordOf(kind), numberText((*v)[0]), numberText((*v)[1]),
                           m_buttons.artFor((*v)[2], (*v)[3]), numberText((*v)[4]), numberText((*v)[5])};
        if (kind == ElementKind::Radio)
            record << numberText(m_group);
        add(record);
        extraValues(line, s, 6);
    }

    // Its number is taken into the radios after it; the line itself is not kept.
    void group(const Line &line, const Statement &s)
    {
        if (const auto v = numbers(line, s, 1, false))
            m_group = (*v)[0];
        note(line, QStringLiteral("\"group\" cannot be held by the design; left out"));
    }

    void gumppictiled(const Line &line, const Statement &s)
    {
        const auto v = numbers(line, s, 5, true);
        if (!v || !validGump(line, s, (*v)[4]))
            return;
        add(QStringList{Records::wordOf(ElementKind::Gumppictiled)} + numberTexts(*v, 0, 4)
            + QStringList{gumpFile((*v)[4])});
        extraValues(line, s, 5);
    }

    // tilepic x y id (further values are ignored by the server), tilepichue x y id hue.
    void tilepic(const Line &line, const Statement &s)
    {
        const bool hued = s.word == u"tilepichue";
        const auto v = numbers(line, s, 3, true);
        // The hue goes to the client as written.
        const auto hue = hued ? clientNumber(s.args[3]) : std::optional<int>(0);
        if (!v || !hue) {
            if (v)
                note(line, QStringLiteral("\"%1\" with a value that is not a number left out").arg(s.word));
            return;
        }
        add(QStringList{Records::wordOf(ElementKind::Tilepic)} + numberTexts(*v, 0, 3) + QStringList{numberText(*hue)});
        if (hued)
            extraValues(line, s, 4);
    }

    void checkertrans(const Line &line, const Statement &s)
    {
        if (const auto v = numbers(line, s, 4, true)) {
            add(QStringList{Records::wordOf(ElementKind::Checkertrans)} + numberTexts(*v, 0, 4));
            extraValues(line, s, 4);
        }
    }

    void xmfhtmlgump(const Line &line, const Statement &s)
    {
        const bool coloured = s.word == u"xmfhtmlgumpcolor";
        const int count = coloured ? 8 : 7;
        const auto v = numbers(line, s, 7, true);
        // The colour goes to the client as written.
        const auto colour = coloured ? clientNumber(s.args[7]) : std::optional<int>(0);
        if (!v || !colour) {
            if (v)
                note(line, QStringLiteral("\"%1\" with a value that is not a number left out").arg(s.word));
            return;
        }
        add(QStringList{Records::wordOf(ElementKind::Xmfhtmlgump)} + numberTexts(*v, 0, 7)
            + QStringList{numberText(*colour)});
        extraValues(line, s, count);
    }

    void button(const Line &line, const Statement &s)
    {
        const auto v = numbers(line, s, 7, true);
        if (!v || !validGump(line, s, (*v)[2]) || !validGump(line, s, (*v)[3]))
            return;
        const QString art = m_buttons.artFor((*v)[2], (*v)[3]);
        m_buttonRecords.emplace_back(m_page, int(pageRecords(m_page).size()));
        // The reply stays in the events line until the blocks are attached.
        add({Records::wordOf(ElementKind::Button), numberText((*v)[0]), numberText((*v)[1]), art,
             numberText((*v)[4]), numberText((*v)[5]), QStringLiteral("0"), numberText((*v)[6])});
        extraValues(line, s, 7);
    }

    void noclose(const Line &, const Statement &) { m_noClose = true; }
    void nodispose(const Line &, const Statement &) { m_noDispose = true; }
    void nomove(const Line &, const Statement &) { m_noMove = true; }

    void dorigin(const Line &line, const Statement &s)
    {
        if (const auto v = numbers(line, s, 2, false)) {
            m_originX = (*v)[0];
            m_originY = (*v)[1];
        }
    }

    bool validGump(const Line &line, const Statement &s, int gump)
    {
        if (gump >= 0)
            return true;
        note(line, QStringLiteral("\"%1\" with a negative gump number left out").arg(s.word));
        return false;
    }

    const Section &m_layout;
    ButtonArtMatcher &m_buttons;
    const SphereImport::Progress &m_progress;

    std::map<int, QStringList> m_pages;   // records of each page
    std::vector<int> m_pageOrder;         // pages in the order their brackets appear
    std::vector<std::pair<int, int>> m_textRecords;   // page, offset of each text index line needing its string
    std::vector<std::pair<int, int>> m_buttonRecords; // page, offset of each "button" record
    int m_page = 0;
    int m_originX = 0;
    int m_originY = 0;
    std::optional<std::pair<int, int>> m_location;
    bool m_noClose = false;
    bool m_noMove = false;
    bool m_noDispose = false;
    std::optional<QString> m_closeBlock;
    int m_group = 0; // the radio group the last "group" line opened
    Reading m_reading = Reading::Server; // of the line being read
    QList<ImportNote> m_notes;
    std::set<int> m_unstorableLines;
};

} // namespace

ImportResult SphereImport::importLines(const QStringList &fileLines, const QString &dialogName,
                                       ButtonArtMatcher &buttons, const Progress &progress)
{
    ImportResult result;
    const QString name = dialogName.trimmed();
    const QList<Section> sections = SphereScript::sections(fileLines);
    const QString dialog = QStringLiteral("DIALOG");
    const Section *layout = name.isEmpty() ? nullptr : SphereScript::findSection(sections, {dialog, name});
    if (!layout) {
        result.errors << NoDialog << namesDefined(dialogNames(fileLines));
        return result;
    }
    Importer importer(*layout, buttons, progress);
    importer.readLayout();
    importer.resolveTexts(SphereScript::findSection(sections, {dialog, name, QStringLiteral("TEXT")}));
    importer.attachButtonBlocks(SphereScript::findSection(sections, {dialog, name, QStringLiteral("BUTTON")}));
    result.imported = true;
    result.lines = importer.documentLines();
    result.notes = importer.notes();
    for (const ImportNote &n : std::as_const(result.notes))
        result.errors << (n.line > 0 ? QStringLiteral("Line %1: %2").arg(n.line).arg(n.message) : n.message);
    return result;
}

QStringList SphereImport::dialogNames(const QStringList &fileLines)
{
    QStringList names;
    for (const Section &section : SphereScript::sections(fileLines)) {
        if (section.header.size() != 2 || section.header[0].compare(u"DIALOG", Qt::CaseInsensitive) != 0)
            continue;
        if (!names.contains(section.header[1], Qt::CaseInsensitive))
            names << section.header[1];
    }
    return names;
}

static QStringList readScriptLines(const QString &path)
{
    QByteArray bytes = CappedFile::readOrThrow(path, SphereImport::MaxFileBytes);
    // An editor's byte order mark is no part of the first line.
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    return TextFile::splitUtf8Lines(bytes);
}

QStringList SphereImport::dialogNamesInFile(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return {};
    try {
        return dialogNames(readScriptLines(path));
    } catch (const RuntimeError &) {
        return {}; // the import names what is wrong with the file
    }
}

QString SphereImport::namesDefined(const QStringList &names)
{
    return names.isEmpty() ? QStringLiteral("The file defines no dialog")
                           : QStringLiteral("The file defines: ") + names.join(QStringLiteral(", "));
}

ImportResult SphereImport::importFile(const QString &path, const QString &dialogName, const QString &appDir,
                                      const Progress &progress)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile()) {
        ImportResult missing;
        missing.errors << noSuchFile(path);
        return missing;
    }
    const QStringList lines = readScriptLines(path);
    ButtonArtMatcher buttons(appDir);
    return importLines(lines, dialogName, buttons, progress);
}

QList<Problem> importProblems(const QList<ImportNote> &notes)
{
    QList<Problem> found;
    for (const ImportNote &note : notes) {
        const QString where = note.line > 0 ? QStringLiteral("Script line %1 \"%2\": ").arg(note.line).arg(note.scriptText)
                                            : QStringLiteral("Script: ");
        found << Problem{0, where + note.message, Problem::Severity::Warning, ProblemList::ImportSource};
    }
    return found;
}
