#include "sphere/SphereExport.h"
#include "document/ButtonReplies.h"
#include "document/LineBreaks.h"
#include "document/RecordWalker.h"
#include "document/StoredStandIn.h"
#include "platform/RuntimeError.h"
#include "platform/SphereLine.h"
#include "sphere/ScriptWriter.h"

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

ScriptWriter::ScriptWriter(const QStringList &lines, const QString &dialect, const QString &name,
                           const QString &appDir, QStringList &out)
    : m_lines(lines), m_dialect(dialect), m_name(name), m_appDir(appDir), m_out(out)
{
    if (!m_appDir.isEmpty() && !m_appDir.endsWith(u'/'))
        m_appDir += u'/';
}

bool ScriptWriter::isPageZero(const QString &page) { return SphereLine::withoutLeadingZeros(page) == u"0"; }

bool ScriptWriter::isRecent() const { return m_dialect == SphereDialect::V55iTo99g; }

bool ScriptWriter::isOld() const { return m_dialect == SphereDialect::V48eTo51a; }

// A number field as the server must see it: the server reads a leading
// zero as hexadecimal, so "010" goes out as 10. Other text stands as it is.
QString ScriptWriter::number(const QString &field) { return SphereLine::withoutLeadingZeros(field); }

void ScriptWriter::write()
{
    refuseNul();
    const qsizetype before = m_out.size();
    writeHeader();
    writeBody();
    writeTrailer();
    refuseLongLines(before);
}

void ScriptWriter::writeElementsInline()
{
    m_inlineTexts = true;
    writeBody();
}

// A NUL in a script stops the server loading it, and the whole shard
// with it: no line of the design may carry one.
void ScriptWriter::refuseNul() const
{
    for (qsizetype k = 0; k < m_lines.size(); ++k)
        if (m_lines[k].contains(QChar(0)))
            throw RuntimeError(QStringLiteral("Line %1: line %1 holds a NUL character, which stops the server "
                                              "loading the script").arg(k + 1));
}

// The server's script loader cannot hold a longer line; past it, it stops loading.
void ScriptWriter::refuseLongLines(qsizetype from) const
{
    for (qsizetype k = from; k < m_out.size(); ++k)
        if (m_out[k].size() > SphereLine::MaxLength / 3 && m_out[k].toUtf8().size() > SphereLine::MaxLength)
            throw RuntimeError(QStringLiteral("the script line \"%1…\" would be %2 bytes long, past the %3 the "
                                              "server reads")
                                   .arg(m_out[k].left(40)).arg(m_out[k].toUtf8().size()).arg(SphereLine::MaxLength));
}

void ScriptWriter::writeBody()
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

bool ScriptWriter::pageZeroFollowsAnotherPage() const
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

void ScriptWriter::writePages(PageFilter filter)
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

const ScriptWriter::Marks &ScriptWriter::marks()
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

// "[DIALOG name" + suffix + "]" or "[GUMP ...]"; nothing for an unknown dialect.
void ScriptWriter::writeSectionHeader(const QString &suffix)
{
    if (isRecent())
        m_out << QStringLiteral("[DIALOG ") + m_name + suffix + u']';
    else if (isOld())
        m_out << QStringLiteral("[GUMP ") + m_name + suffix + u']';
}

void ScriptWriter::writeHeader()
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

// The fields of the location and window flags records become part of one script line each.
void ScriptWriter::refuseLineBreakAfter(int recordLine, int fields) const
{
    for (int k = 1; k <= fields && recordLine >= 0; ++k)
        if (LineBreaks::holds(Document(m_lines).line(recordLine + k)))
            throw RuntimeError(QStringLiteral("Line %1: line %2 holds a line break")
                                   .arg(recordLine + 1).arg(recordLine + k + 1));
}

void ScriptWriter::writeTrailer()
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
