#pragma once

#include "document/ScriptNesting.h"
#include "sphere/SphereImport.h"
#include "sphere/SphereScript.h"

#include <map>
#include <optional>
#include <set>
#include <vector>

class ButtonArtMatcher;

// Reads one dialog's sections into design lines. Its parts live by what they
// read: SphereImport.cpp the structure (location, pages, script lines, the
// lines it gives), ImportControls.cpp the control words, ImportTexts.cpp the
// TEXT section, ImportButtonBlocks.cpp the BUTTON section.
class DialogImporter
{
public:
    using Line = SphereScript::Line;
    using Section = SphereScript::Section;
    using Statement = SphereScript::Statement;

    DialogImporter(const Section &layout, ButtonArtMatcher &buttons, const SphereImport::Progress &progress);

    // The strings a text control's index may read: the TEXT section's, then
    // those the layout's inline controls add. Read before the layout.
    void readTextList(const Section *textSection);
    void readLayout();
    void resolveTexts(const Section *textSection);
    void attachButtonBlocks(const Section *buttonSection);
    QStringList documentLines() const;
    const QList<ImportNote> &notes() const { return m_notes; }

    // Script lines and controls kept as written, the whole corpus counts them.
    int scriptLinesKept() const { return m_scriptLines; }

private:
    using Handler = void (DialogImporter::*)(const Line &, const Statement &);
    // Passed: the server hands the line to the client as written, which
    // reads its numbers as plain decimals, with no origin and no default.
    // The others the server reads itself: hexadecimal after a leading 0,
    // positions from the origin, a value left out read as 0.
    enum class Reading { Server, Passed };
    // literal: bits of the arguments that must be numbers (art, text
    // indices, replies, pages); the others may be computed.
    struct Control { const char *word; int numbers; Handler handle; Reading reading; unsigned literal; };

    // The numbers of a control's arguments: decimal text of a literal, or
    // the argument as written when the server computes it.
    struct Values
    {
        std::vector<int> numbers; // 0 for a computed one
        QStringList texts;
        int operator[](std::size_t k) const { return numbers[k]; }
        const QString &text(std::size_t k) const { return texts[qsizetype(k)]; }
        QStringList textsOf(std::size_t from, std::size_t to) const { return texts.mid(qsizetype(from), qsizetype(to - from)); }
    };

    static const Control *controlOf(const QString &word);
    static QString flag(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }
    static QString numberText(int value);
    static QString gumpFile(int gump);
    static QString textAfter(const Statement &s, int values);
    static std::optional<int> clientNumber(const QString &arg);

    void note(const Line &line, const QString &what) { noteOf(line.number, line.raw.trimmed(), what); }
    void noteOf(int lineNumber, const QString &scriptText, const QString &what);

    // structure
    bool readLocation(const Line &line);
    void readStatement(const Line &line);
    // Keeps the line as a script record where it stands.
    void keepScript(const Line &line);
    QStringList &pageRecords(int page);
    void add(const QStringList &record) { pageRecords(m_page) << record; }

    // controls
    std::optional<Values> numbers(const Line &line, const Statement &s, int count, bool withPosition);
    // Values past those the design holds: the line is kept as written.
    bool extraValues(const Line &line, const Statement &s, int used);
    bool validGump(const Line &line, int gump);
    // The library's art of a button's two gumps, or a name that keeps them.
    QString pairArt(const Line &line, int up, int down);
    // A control reading the string at index: past the TEXT section it reads
    // an inline control's, which the record takes now, or stays as written
    // when which one is not certain.
    void addIndexed(const Line &line, const QStringList &record, int index);
    // An inline text that reads the script's values stays the script's line.
    bool keptInline(const Line &line, const Statement &s, int values);
    static bool holdsExpression(QStringView text);
    void page(const Line &line, const Statement &s);
    void gumppic(const Line &line, const Statement &s);
    void resizepic(const Line &line, const Statement &s);
    void text(const Line &line, const Statement &s);
    void dtext(const Line &line, const Statement &s);
    void htmlgump(const Line &line, const Statement &s);
    void dhtmlgump(const Line &line, const Statement &s);
    void croppedtext(const Line &line, const Statement &s);
    void dcroppedtext(const Line &line, const Statement &s);
    void textentry(const Line &line, const Statement &s);
    void dtextentry(const Line &line, const Statement &s);
    void checkable(const Line &line, const Statement &s);
    void group(const Line &line, const Statement &s);
    void gumppictiled(const Line &line, const Statement &s);
    void tilepic(const Line &line, const Statement &s);
    void checkertrans(const Line &line, const Statement &s);
    void xmfhtmlgump(const Line &line, const Statement &s);
    void button(const Line &line, const Statement &s);
    void noclose(const Line &line, const Statement &s);
    void nomove(const Line &line, const Statement &s);
    void nodispose(const Line &line, const Statement &s);

    // button blocks
    void keepRepliesWithoutEvents();

    const Section &m_layout;
    ButtonArtMatcher &m_buttons;
    const SphereImport::Progress &m_progress;

    std::map<int, QStringList> m_pages;   // records of each page
    std::vector<int> m_pageOrder;         // pages in the order their brackets appear
    std::vector<std::pair<int, int>> m_textRecords;   // page, offset of each text index line needing its string
    std::vector<std::pair<int, int>> m_buttonRecords; // page, offset of each "button" record
    int m_textSectionSize = 0;
    bool m_hasTextSection = false;
    bool m_notedNoTextSection = false;
    // The inline controls' strings in the order the server adds them, as far
    // as the order is certain; nullopt where only the count is (branches
    // adding one string each). Complete when no block leaves it uncertain.
    QList<std::optional<QString>> m_inlineStrings;
    bool m_inlineStringsComplete = true;
    QStringList m_keptTexts;              // TEXTLINE records
    QStringList m_keptBlocks;             // BUTTONBLOCK records
    int m_page = 0;
    std::optional<std::pair<QString, QString>> m_location;
    bool m_noClose = false;
    bool m_noMove = false;
    bool m_noDispose = false;
    std::optional<QString> m_closeBlock;
    int m_group = 0; // the radio group the last "group" line opened
    Reading m_reading = Reading::Server; // of the line being read
    unsigned m_literal = 0;              // of the line being read
    ScriptNesting m_nesting;
    int m_scriptLines = 0;
    QList<ImportNote> m_notes;
    std::set<std::pair<int, int>> m_missingPairs; // named once each
};
