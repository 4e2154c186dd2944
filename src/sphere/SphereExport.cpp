#include "sphere/SphereExport.h"
#include "document/ButtonGumps.h"
#include "document/ButtonReplies.h"
#include "document/FieldValue.h"
#include "document/LineBreaks.h"
#include "document/RecordWalker.h"
#include "document/StoredStandIn.h"
#include "platform/ArtFolders.h"
#include "platform/FileNameText.h"
#include "platform/NumberText.h"
#include "platform/PathResolver.h"
#include "platform/RuntimeError.h"
#include "platform/SphereEventLine.h"
#include "platform/SphereLine.h"
#include "platform/TextFile.h"
#include "sphere/RadioGroupLines.h"
#include "sphere/SphereScript.h"

#include <QHash>
#include <QMap>
#include <QStringBuilder>
#include <QSet>

#include <algorithm>

QByteArray encodeScript(const QStringList &lines, SphereDialect::Encoding encoding, const QByteArray &endOfLine)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        if (encoding == SphereDialect::Encoding::Utf8) {
            bytes += line.toUtf8();
        } else {
            if (const QString letters = Document::unstorableCharacters(line); !letters.isEmpty())
                throw RuntimeError(QStringLiteral("8-bit text cannot carry \"%1\"; export as UTF-8").arg(letters));
            bytes += line.toLatin1();
        }
        bytes += endOfLine;
    }
    return bytes;
}

namespace {

class ScriptWriter
{
public:
    ScriptWriter(const QStringList &lines, const QString &dialect, const QString &name, const QString &appDir,
                 QStringList &out)
        : m_lines(lines), m_dialect(dialect), m_name(name), m_appDir(appDir), m_out(out)
    {
        if (!m_appDir.isEmpty() && !m_appDir.endsWith(u'/'))
            m_appDir += u'/';
    }

    void write()
    {
        refuseNul();
        const qsizetype before = m_out.size();
        writeHeader();
        writeBody();
        writeTrailer();
        refuseLongLines(before);
    }

    // Only the element lines, texts written inline with "dtext".
    void writeElementsInline()
    {
        m_inlineTexts = true;
        writeBody();
    }

private:
    // A NUL in a script stops the server loading it, and the whole shard
    // with it: no line of the design may carry one.
    void refuseNul() const
    {
        for (qsizetype k = 0; k < m_lines.size(); ++k)
            if (m_lines[k].contains(QChar(0)))
                throw RuntimeError(QStringLiteral("Line %1: line %1 holds a NUL character, which stops the server "
                                                  "loading the script").arg(k + 1));
    }

    // The server's script loader cannot hold a longer line; past it, it stops loading.
    void refuseLongLines(qsizetype from) const
    {
        for (qsizetype k = from; k < m_out.size(); ++k)
            if (m_out[k].size() > SphereLine::MaxLength / 3 && m_out[k].toUtf8().size() > SphereLine::MaxLength)
                throw RuntimeError(QStringLiteral("the script line \"%1…\" would be %2 bytes long, past the %3 the "
                                                  "server reads")
                                       .arg(m_out[k].left(40)).arg(m_out[k].toUtf8().size()).arg(SphereLine::MaxLength));
    }

    void writeBody()
    {
        m_replies = ButtonReplies::numbered(m_lines);
        // The server drops a "PAGE 0" that follows another page, so the
        // elements of page 0 would land on the page before. Page 0 is drawn
        // beneath every page, and goes first.
        const bool pageZeroFirst = !m_inlineTexts && pageZeroFollowsAnotherPage();
        if (pageZeroFirst)
            writePages(PageFilter::OnlyZero);
        writePages(pageZeroFirst ? PageFilter::AllButZero : PageFilter::All);
    }

    enum class PageFilter { All, OnlyZero, AllButZero };

    static bool isPageZero(const QString &page) { return SphereLine::withoutLeadingZeros(page) == u"0"; }

    bool pageZeroFollowsAnotherPage() const
    {
        bool otherPageSeen = false;
        RecordWalker w(m_lines);
        while (w.next()) {
            if (w.item() != RecordWalker::Item::PageOpen)
                continue;
            if (!isPageZero(w.field(1)))
                otherPageSeen = true;
            else if (otherPageSeen)
                return true;
        }
        return false;
    }

    void writePages(PageFilter filter)
    {
        bool inPage = filter != PageFilter::AllButZero; // what stands before any page is page 0
        bool zeroWritten = false;
        RecordWalker w(m_lines);
        while (w.next()) {
            if (w.item() == RecordWalker::Item::PageOpen) {
                refuseLineBreakAfter(w.line(), 1);
                const bool zero = isPageZero(w.field(1));
                inPage = filter == PageFilter::All || (filter == PageFilter::OnlyZero) == zero;
                // The brackets of page 0 go out under one "PAGE 0".
                if (inPage && !(filter == PageFilter::OnlyZero && zeroWritten))
                    m_out << QStringLiteral("PAGE ") + number(w.field(1));
                zeroWritten = zeroWritten || zero;
            }
            else if (w.item() == RecordWalker::Item::Element && inPage && (!m_inlineTexts || w.complete()))
                writeElementOfLine(w);
        }
    }

    bool isRecent() const { return m_dialect == SphereDialect::V55iTo99g; }

    // The last location, window flags and close block records and the first
    // NODISPOSE mark, found in one walk rather than one walk each.
    struct Marks { int location = -1, misc = -1, closeBlock = -1, noDispose = -1; bool script = false; };
    const Marks &marks()
    {
        if (m_marks)
            return *m_marks;
        Marks found;
        RecordWalker w(m_lines);
        while (w.next()) {
            switch (w.item()) {
            case RecordWalker::Item::Location: found.location = w.line(); break;
            case RecordWalker::Item::Misc: found.misc = w.line(); break;
            case RecordWalker::Item::CloseBlock: found.closeBlock = w.line(); break;
            case RecordWalker::Item::Element: found.script = found.script || Records::isScript(w.kind()); break;
            case RecordWalker::Item::Other:
                if (found.noDispose < 0 && m_lines[w.line()] == Records::NoDispose)
                    found.noDispose = w.line();
                break;
            default: break;
            }
        }
        return *(m_marks = found);
    }
    bool isOld() const { return m_dialect == SphereDialect::V48eTo51a; }

    // "[DIALOG name" + suffix + "]" or "[GUMP ...]"; nothing for an unknown dialect.
    void writeSectionHeader(const QString &suffix)
    {
        if (isRecent())
            m_out << QStringLiteral("[DIALOG ") + m_name + suffix + u']';
        else if (isOld())
            m_out << QStringLiteral("[GUMP ") + m_name + suffix + u']';
    }

    void writeHeader()
    {
        const Document doc(m_lines);
        writeSectionHeader(QString());
        const int location = marks().location;
        refuseLineBreakAfter(location, 2);
        m_out << number(doc.line(location + 1)) + QStringLiteral(", ") + number(doc.line(location + 2));
        const int misc = marks().misc;
        if (isRecent() && misc >= 0) {
            if (doc.line(misc + 1) == u"1")
                m_out << QStringLiteral("noclose");
            if (doc.line(misc + 2) == u"1")
                m_out << QStringLiteral("nomove");
        }
        if (isRecent() && marks().noDispose >= 0)
            m_out << QStringLiteral("nodispose");
    }

    // A number field as the server must see it: the server reads a leading
    // zero as hexadecimal, so "010" goes out as 10. Other text stands as it is.
    static QString number(const QString &field) { return SphereLine::withoutLeadingZeros(field); }

    // A record that cannot be written stops the export with a message that names its line.
    void writeElementOfLine(const RecordWalker &w)
    {
        if (const int field = LineBreaks::misplacedIn(w); field >= 0)
            throw RuntimeError(QStringLiteral("Line %1: %2").arg(w.line() + 1)
                                   .arg(LineBreaks::problem(w, field)));
        try {
            writeElement(w);
        } catch (const RuntimeError &e) {
            throw RuntimeError(QStringLiteral("Line %1: %2").arg(w.line() + 1).arg(e.message()));
        }
    }

    // The fields of the location and window flags records become part of one script line each.
    void refuseLineBreakAfter(int recordLine, int fields) const
    {
        for (int k = 1; k <= fields && recordLine >= 0; ++k)
            if (LineBreaks::holds(Document(m_lines).line(recordLine + k)))
                throw RuntimeError(QStringLiteral("Line %1: line %2 holds a line break")
                                       .arg(recordLine + 1).arg(recordLine + k + 1));
    }

    // A position the server computes (a relative place, an expression) goes out as written.
    static QString place(const QString &field)
    {
        return FieldValue::formOf(field) == FieldValue::Form::Relative ? field : number(field);
    }

    // A field that makes the longer form of a control: set, or computed by the server.
    static bool isSet(const QString &field)
    {
        return FieldValue::isComputed(field) || NumberText::parseOr(field, 0) != 0;
    }

    void writeElement(const RecordWalker &w)
    {
        if (w.kind() == ElementKind::Script) {
            m_out << w.field(Records::ScriptLineField);
            m_groups.scriptLine(w.field(Records::ScriptLineField));
            return;
        }
        const QString position = place(w.field(1)) % u' ' % place(w.field(2));
        switch (w.kind()) {
        case ElementKind::Gumppic:
            m_out << QStringLiteral("gumppic ") % position % u' ' % gumpNumber(w.field(3));
            break;
        case ElementKind::Resizepic:
            m_out << QStringLiteral("resizepic ") % position % u' ' % number(FileNameText::artName(w.field(3))) % u' '
                         % number(w.field(4)) % u' ' % number(w.field(5));
            break;
        case ElementKind::Button:
            writeButton(w, position);
            break;
        case ElementKind::Text:
            if (m_inlineTexts) {
                m_out << QStringLiteral("dtext ") + position + u' ' + w.field(3) + u' ' + dottedText(w.field(4));
                break;
            }
            // A text the server would read as blank in the TEXT section skips
            // its index there, and every later text would take the wrong
            // string: such a text goes inline, where it takes none.
            // The older dialect has no inline text: there it is left out.
            if (SphereLine::readsAsBlank(w.field(4))) {
                if (isRecent())
                    m_out << QStringLiteral("dtext ") + position + u' ' + number(w.field(3));
                break;
            }
            // So does one whose place or hue the server computes: only the
            // inline form has the server read them.
            if (mustStandInline(w.field(4)) || SphereDialect::inlineForComputed(m_dialect, w)) {
                m_out << QStringLiteral("dtext ") + position + u' ' + number(w.field(3)) + u' '
                             + dottedText(w.field(4));
                break;
            }
            m_out << QStringLiteral("text ") % position % u' ' % number(w.field(3)) % u' ' % textIndex(w.field(4));
            break;
        case ElementKind::None:
            break;
        default:
            if (SphereDialect::hasKind(m_dialect, w.kind()))
                writeNewerKind(w, position);
            break;
        }
    }

    // A text that would end the TEXT section as a section header ("[...")
    // goes inline in the layout line instead. The older dialect has no
    // inline form: the export stops there.
    bool mustStandInline(const QString &text) const
    {
        if (!SphereLine::startsSection(text))
            return false;
        if (!isRecent())
            throw RuntimeError(QStringLiteral("the text \"%1\" begins with \"[\", which ends the TEXT section, "
                                              "and dialect %2 has no inline text").arg(text, m_dialect));
        return true;
    }

    // dtext and dcroppedtext drop one leading "." and the blanks before it:
    // a text that begins with either goes out behind a "." of its own.
    static QString dottedText(const QString &text)
    {
        return text.startsWith(u'.') || (!text.isEmpty() && text.front().isSpace()) ? u'.' + text : text;
    }

    // The TEXT section index the text is written at: the next one no kept
    // TEXT line holds.
    QString textIndex(const QString &text)
    {
        while (keptTexts().contains(m_textCount))
            ++m_textCount;
        m_texts.insert(m_textCount, text);
        return QString::number(m_textCount++);
    }

    // The kept TEXT lines by index, and the kept button blocks in order.
    const QMap<int, QString> &keptTexts()
    {
        if (!m_kept) {
            m_kept.emplace();
            RecordWalker w(m_lines);
            while (w.next()) {
                if (w.item() == RecordWalker::Item::KeptText && w.complete()) {
                    if (const auto index = NumberText::tryParse(w.field(1)); index && *index >= 0 && *index < MaxKeptIndex)
                        m_kept->texts.insert(*index, w.field(2));
                } else if (w.item() == RecordWalker::Item::KeptBlock && w.complete()) {
                    m_kept->blocks << w.line();
                }
            }
        }
        return m_kept->texts;
    }

    // The TEXT section: each text at its index. An index no text holds any
    // more (its element deleted) gets a stand-in, as an empty line would
    // take no index and move every later one.
    QStringList textSection()
    {
        QStringList section;
        QMap<int, QString> all = keptTexts();
        for (auto it = m_texts.cbegin(); it != m_texts.cend(); ++it)
            all.insert(it.key(), it.value());
        int next = 0;
        for (auto it = all.cbegin(); it != all.cend(); ++it) {
            for (; next < it.key(); ++next)
                section << QStringLiteral(".");
            section << it.value();
            next = it.key() + 1;
        }
        return section;
    }

    void writeKeptBlocks()
    {
        keptTexts();
        for (const int line : std::as_const(m_kept->blocks)) {
            const Document doc(m_lines);
            const QString marker = doc.line(line + 1);
            QStringList events;
            try {
                if (!SphereEventLine::marker(SphereScript::cleanLine(marker)).isMarker)
                    throw RuntimeError(QStringLiteral("the block's marker \"%1\" is no ON= line").arg(marker));
                events = checkedEvents(doc.line(line + 2));
            } catch (const RuntimeError &e) {
                throw RuntimeError(QStringLiteral("Line %1: %2").arg(line + 1).arg(e.message()));
            }
            if (isRecent() || isOld())
                m_out << marker << events;
        }
    }

    // The kinds beyond the four, in the server's argument order. Their texts go
    // into the TEXT section by index; one the server would read as blank (and
    // skip, shifting every later index) is written inline in the d-form.
    void writeNewerKind(const RecordWalker &w, const QString &position)
    {
        const auto f = [&](int k) { return number(w.field(k)); };
        const QString box = position + u' ' + f(3) + u' ' + f(4);
        const bool recent = isRecent();
        const bool computed = SphereDialect::inlineForComputed(m_dialect, w);
        const auto indexed = [&](const QString &text) {
            return !m_inlineTexts && !SphereLine::readsAsBlank(text) && !mustStandInline(text) && !computed;
        };
        switch (w.kind()) {
        case ElementKind::Htmlgump:
            if (indexed(w.field(7)))
                m_out << QStringLiteral("htmlgump ") + box + u' ' + textIndex(w.field(7)) + u' ' + f(5) + u' ' + f(6);
            else
                m_out << QStringLiteral("dhtmlgump ") + box + u' ' + f(5) + u' ' + f(6) + u' ' + w.field(7);
            break;
        case ElementKind::Croppedtext:
            if (indexed(w.field(6)))
                m_out << QStringLiteral("croppedtext ") + box + u' ' + f(5) + u' ' + textIndex(w.field(6));
            else
                m_out << QStringLiteral("dcroppedtext ") + box + u' ' + f(5) + u' ' + dottedText(w.field(6));
            break;
        case ElementKind::Textentry: {
            // The client reads the text's index before the limit; the
            // server's inline form takes the limit before the text.
            const bool limited = recent && isSet(w.field(7));
            const QString head = box + u' ' + f(5) + u' ' + f(6);
            const QString limit = limited ? u' ' + f(7) : QString();
            const QString word = limited ? QStringLiteral("textentrylimited") : QStringLiteral("textentry");
            if (indexed(w.field(8)))
                m_out << word + u' ' + head + u' ' + textIndex(w.field(8)) + limit;
            else
                m_out << QStringLiteral("d") + word + u' ' + head + limit + u' ' + w.field(8);
            break;
        }
        case ElementKind::Checkbox:
        case ElementKind::Radio: {
            const auto [before, after] = w.kind() == ElementKind::Radio ? m_groups.around(f(6)) : RadioGroupLines::Around{};
            m_out << before;
            const auto [up, down] = buttonGumps(w.field(3));
            m_out << Records::wordOf(w.kind()) + u' ' + position + u' ' + QString::number(up) + u' '
                         + QString::number(down) + u' ' + f(4) + u' ' + f(5);
            m_out << after;
            break;
        }
        case ElementKind::Gumppictiled:
            m_out << QStringLiteral("gumppictiled ") + box + u' ' + gumpNumber(w.field(5));
            break;
        case ElementKind::Tilepic:
            if (recent && isSet(w.field(4)))
                m_out << QStringLiteral("tilepichue ") + position + u' ' + f(3) + u' ' + f(4);
            else
                m_out << QStringLiteral("tilepic ") + position + u' ' + f(3);
            break;
        case ElementKind::Checkertrans:
            m_out << QStringLiteral("checkertrans ") + box;
            break;
        case ElementKind::Xmfhtmlgump: {
            const QString head = box + u' ' + f(5) + u' ' + f(6) + u' ' + f(7);
            if (isSet(w.field(8)))
                m_out << QStringLiteral("xmfhtmlgumpcolor ") + head + u' ' + f(8);
            else
                m_out << QStringLiteral("xmfhtmlgump ") + head;
            break;
        }
        case ElementKind::Gumppichue:
            m_out << QStringLiteral("gumppic ") + position + u' ' + gumpNumber(w.field(3)) + u' ' + f(4);
            break;
        default:
            break;
        }
    }

    // An art file's name read as the hexadecimal gump number, written in decimal.
    static QString gumpNumber(const QString &file)
    {
        return QString::number(NumberText::parseHex(FileNameText::artName(file)));
    }

    void writeButton(const RecordWalker &w, const QString &position)
    {
        const auto [up, down] = buttonGumps(w.field(3));
        const int reply = m_replies.value(w.line(), 0);
        // Buttons that kept one reply from their script share its block: the server runs the first.
        if (ButtonReplies::parseFlag(w.field(6)).events && !m_repliesWithBlock.contains(reply)) {
            m_repliesWithBlock.insert(reply);
            const QStringList events = checkedEvents(w.field(7));
            if (isRecent())
                m_buttonBlocks << QStringLiteral("on=") + QString::number(reply);
            else if (isOld())
                m_buttonBlocks << QStringLiteral("ONBUTTON=") + QString::number(reply);
            m_buttonBlocks << events;
        }
        // One allocation per script line (%), not one per piece (+).
        m_out << QStringLiteral("button ") % position % u' ' % QString::number(up) % u' ' % QString::number(down)
                     % u' ' % number(w.field(4)) % u' ' % number(w.field(5)) % u' ' % QString::number(reply);
    }

    // The up and down gumps of a button's art, from its decoder; read once per art.
    std::pair<int, int> buttonGumps(const QString &artName)
    {
        if (const auto known = m_buttonGumps.constFind(artName); known != m_buttonGumps.cend())
            return *known;
        // A pair no art of the library has keeps its numbers in its name.
        if (const auto kept = ButtonGumps::pairOf(artName))
            return *kept;
        const QStringList decoder = readDecoder(artName);
        const std::pair<int, int> gumps{NumberText::parseHex(decoder[0]), NumberText::parseHex(decoder[1])};
        m_buttonGumps.insert(artName, gumps);
        return gumps;
    }

    // The up and down gump lines of the button's decoder file, which sits
    // beside its art with the extension ".CS" in any case. Read once per export.
    QStringList readDecoder(const QString &artName)
    {
        // Keyed by the art's name, which gives the decoder's: no path built per button.
        if (const auto known = m_decoders.constFind(artName); known != m_decoders.cend())
            return *known;
        const QString relative = ArtFolders::buttonDecoder(artName);
        QStringList decoder;
        // A decoder lies beside the button's art in the DATA tree and nowhere else.
        const QString path = PathResolver::staysInside(artName) ? PathResolver::resolveInData(m_appDir, relative)
                                                                : QString();
        if (path.isNull())
            throw RuntimeError::cannotOpen(m_appDir + relative);
        try {
            decoder = TextFile::readLines(path);
        } catch (const RuntimeError &) {
            throw RuntimeError::cannotOpen(m_appDir + relative);
        }
        if (decoder.size() < 2)
            throw RuntimeError::listIndexOutOfBounds(int(decoder.size()));
        m_decoders.insert(artName, decoder);
        return decoder;
    }

    // The block the server runs when the dialog is closed with the right mouse button.
    void writeCloseBlock()
    {
        const int closeBlock = marks().closeBlock;
        if (closeBlock < 0)
            return;
        if (isRecent())
            m_out << QStringLiteral("on=0");
        else if (isOld())
            m_out << QStringLiteral("ONBUTTON=0");
        else
            return;
        try {
            m_out << checkedEvents(Document(m_lines).line(closeBlock + 1));
        } catch (const RuntimeError &e) {
            throw RuntimeError(QStringLiteral("Line %1: %2").arg(closeBlock + 1).arg(e.message()));
        }
    }

    // Event lines the server would read as the end of the section or as the
    // marker of another block stop the export rather than lose handlers.
    static QStringList checkedEvents(const QString &events)
    {
        const QStringList lines = LineBreaks::eventLines(events);
        for (const QString &line : lines) {
            if (const QString trap = SphereEventLine::trap(line); !trap.isEmpty())
                throw RuntimeError(trap);
        }
        return lines;
    }

    void writeTrailer()
    {
        m_out << QString();
        writeSectionHeader(QStringLiteral(" TEXT"));
        m_out << textSection() << QString() << QString();
        writeSectionHeader(QStringLiteral(" BUTTON"));
        writeCloseBlock();
        m_out << m_buttonBlocks;
        writeKeptBlocks();
        m_out << QString();
    }

    const QStringList &m_lines;
    const QString m_dialect;
    const QString m_name;
    QString m_appDir;
    QStringList &m_out;
    QMap<int, QString> m_texts; // TEXTHOLDER, by index
    struct Kept { QMap<int, QString> texts; QList<int> blocks; };
    std::optional<Kept> m_kept;
    static constexpr int MaxKeptIndex = 1 << 20; // a kept index past this is no TEXT line of a real dialog
    QStringList m_buttonBlocks; // BUTTONHOLDER
    QHash<QString, QStringList> m_decoders;
    QHash<QString, std::pair<int, int>> m_buttonGumps;
    int m_textCount = 0;
    RadioGroupLines m_groups;
    QHash<int, int> m_replies;       // button line -> reply number
    QSet<int> m_repliesWithBlock;
    bool m_inlineTexts = false;
    std::optional<Marks> m_marks;
};

} // namespace

void writeSphereScript(const QStringList &lines, const QString &dialect, const QString &name,
                       const QString &appDir, QStringList &out)
{
    // Stand-ins the user set are the designer's alone: the server gets the expressions.
    const QStringList written = StoredStandIn::withoutStandIns(lines);
    ScriptWriter(written, dialect, name, appDir, out).write();
}

void writeSphereElementLines(const QStringList &records, const QString &dialect, const QString &appDir,
                             QStringList &out)
{
    const QStringList written = StoredStandIn::withoutStandIns(records);
    ScriptWriter(written, dialect, QString(), appDir, out).writeElementsInline();
}

bool runSphereExport(Document &doc, const QString &dialect, const QString &appDir, ExportHost &host, QStringList &memo)
{
    if (doc.lastLocationLine() < 0) {
        host.runLocationCommand();
        // The Location window always gives a place; 0, 0 is where it starts.
        if (doc.lastLocationLine() < 0)
            doc.setLocation(QStringLiteral("0"), QStringLiteral("0"));
    }
    if (dialect == SphereDialect::V55iTo99g && doc.lastMiscLine() < 0)
        host.runMiscCommand();

    const std::optional<QString> name = host.askDialogName();
    if (!name)
        return false;

    memo.clear();
    writeSphereScript(doc.lines(), dialect, *name, appDir, memo);
    return true;
}
