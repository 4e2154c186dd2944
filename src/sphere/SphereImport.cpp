#include "sphere/SphereImport.h"
#include "document/Document.h"
#include "document/RecordWalker.h"
#include "platform/CappedFile.h"
#include "platform/RuntimeError.h"
#include "platform/SphereNumber.h"
#include "platform/TextFile.h"
#include "sphere/ButtonArtMatcher.h"
#include "sphere/DialogImporter.h"
#include "sphere/SphereScript.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <array>
#include <limits>

// The structure of the layout: its location line, pages, the script lines
// kept where they stand, and the design lines it all gives.

DialogImporter::DialogImporter(const Section &layout, ButtonArtMatcher &buttons,
                               const SphereImport::Progress &progress)
    : m_layout(layout), m_buttons(buttons), m_progress(progress)
{
    pageRecords(0);
}

void DialogImporter::readLayout()
{
    const int total = int(m_layout.body.size());
    // Comment lines are kept among the others, in file order.
    qsizetype comment = 0;
    const auto commentsBefore = [&](int number) {
        while (comment < m_layout.comments.size() && m_layout.comments[comment].number < number)
            keepScript(m_layout.comments[comment++]);
    };
    for (int i = 0; i < total; ++i) {
        const Line &line = m_layout.body[i];
        commentsBefore(line.number);
        if (i == 0 && readLocation(line))
            continue;
        readStatement(line);
        if (m_progress && (i % 256 == 255))
            m_progress(i + 1, total);
    }
    commentsBefore(std::numeric_limits<int>::max());
    m_nesting.finish();
    if (m_progress)
        m_progress(total, total);
}

QStringList DialogImporter::documentLines() const
{
    QStringList lines;
    for (const int page : m_pageOrder)
        lines << Records::BeginPage << QString::number(page) << m_pages.at(page) << Records::EndPage;
    if (m_location)
        lines << Records::Location << m_location->first << m_location->second;
    lines << Records::Misc << flag(m_noClose) << flag(m_noMove);
    if (m_noDispose)
        lines << Records::NoDispose;
    if (m_closeBlock)
        lines << Records::CloseBlock << *m_closeBlock;
    lines << m_keptTexts << m_keptBlocks;
    return lines;
}

QString DialogImporter::numberText(int value)
{
    // Positions, hues and flags are mostly small numbers, written thousands of
    // times: their texts are made once and shared.
    static const std::array<QString, 1024> small = [] {
        std::array<QString, 1024> texts;
        for (std::size_t k = 0; k < texts.size(); ++k)
            texts[k] = QString::number(k);
        return texts;
    }();
    return value >= 0 && value < int(small.size()) ? small[std::size_t(value)] : QString::number(value);
}

void DialogImporter::noteOf(int lineNumber, const QString &scriptText, const QString &what)
{
    m_notes.append({lineNumber, scriptText, what});
}

// "x,y", "x, y" or "x y" on the layout's first line; a value may be an expression.
bool DialogImporter::readLocation(const Line &line)
{
    static const QRegularExpression location(QStringLiteral("^([^,\\s]+)\\s*,\\s*([^,\\s]+)$"));
    const QRegularExpressionMatch m = location.match(line.text);
    QStringList pair;
    if (m.hasMatch()) {
        pair = {m.captured(1), m.captured(2)};
    } else {
        // An expression may hold blanks: the server reads the two values it finds.
        pair = SphereScript::arguments(line.text);
        if (pair.size() != 2 || !(pair[0].contains(u'<') || pair[1].contains(u'<')))
            return false;
        for (QString &value : pair)
            if (value.endsWith(u','))
                value.chop(1);
    }
    const auto value = [](const QString &text) -> std::optional<QString> {
        if (text.startsWith(u'<') && text.endsWith(u'>'))
            return text;
        const auto n = SphereNumber::tryParse(text);
        return n ? std::optional<QString>(QString::number(*n)) : std::nullopt;
    };
    const auto x = value(pair[0]);
    const auto y = value(pair[1]);
    if (x && y)
        m_location = std::pair{*x, *y};
    else if (m.hasMatch())
        note(line, QStringLiteral("the location \"%1\" is not a pair of numbers; left out").arg(line.text));
    else
        return false; // a script line ("IF <x>") where the location would stand
    return true;
}

void DialogImporter::keepScript(const Line &line)
{
    QString kept = line.raw;
    while (!kept.isEmpty() && kept.back().isSpace())
        kept.chop(1);
    add({Records::wordOf(ElementKind::Script), kept});
    ++m_scriptLines;
}

void DialogImporter::readStatement(const Line &line)
{
    Statement s = SphereScript::statement(line.text);
    const Control *c = controlOf(s.word);
    if (!c) {
        // Script logic and controls the design cannot hold stand as written.
        m_nesting.statement(line.number, line.text);
        keepScript(line);
        return;
    }
    m_nesting.other(line.number);
    // Inside a condition or loop a window flag holds only for some players.
    const bool windowFlag = c->handle == &DialogImporter::noclose || c->handle == &DialogImporter::nomove
                            || c->handle == &DialogImporter::nodispose;
    if ((windowFlag && m_nesting.depth() > 0) || (s.args.size() < c->numbers && c->reading == Reading::Passed)) {
        keepScript(line);
        return;
    }
    while (s.args.size() < c->numbers)
        s.args << QStringLiteral("0");
    m_reading = c->reading;
    m_literal = c->literal;
    (this->*c->handle)(line, s);
}

QStringList &DialogImporter::pageRecords(int page)
{
    auto it = m_pages.find(page);
    if (it == m_pages.end()) {
        it = m_pages.emplace(page, QStringList()).first;
        m_pageOrder.push_back(page);
    }
    return it->second;
}

using SphereScript::Section;

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
    DialogImporter importer(*layout, buttons, progress);
    const Section *texts = SphereScript::findSection(sections, {dialog, name, QStringLiteral("TEXT")});
    importer.readTextList(texts);
    importer.readLayout();
    importer.resolveTexts(texts);
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
