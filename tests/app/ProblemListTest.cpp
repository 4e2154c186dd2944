#include "app/ProblemList.h"
#include "app/ElementCommands.h"

#include <gtest/gtest.h>

namespace {

Problem problem(int line, const char *message, const QString &source)
{
    return Problem{line, QString::fromLatin1(message), Problem::Severity::Warning, source};
}

} // namespace

TEST(ProblemList, EachSourceReplacesItsOwnAndDocumentBoundEntriesLastUntilItChanges)
{
    const QString check = QStringLiteral("Check");
    ProblemList list;
    const QStringList opened{"{BOP", "0", "}EOP"};
    list.setProblems(ProblemList::OpenSource, {problem(0, "a.SDF: 1 of its records cannot be read", "Open")}, opened);
    list.setProblems(ProblemList::RenderSource, {problem(3, "first", "Render")});
    list.setProblems(check, {problem(5, "checked", "Check")});
    list.setProblems(ProblemList::RenderSource, {problem(4, "second", "Render")});
    ASSERT_EQ(list.entries().size(), 3);
    EXPECT_EQ(list.entries()[2].message, "second");

    EXPECT_FALSE(list.documentChanged(opened));
    EXPECT_TRUE(list.documentChanged({"{BOP", "1", "}EOP"}));
    EXPECT_EQ(list.entries().size(), 2); // the open note went with the document it described

    list.setProblems(check, {});
    EXPECT_EQ(list.entries(), QList<Problem>({problem(4, "second", "Render")}));
    EXPECT_EQ(ProblemList::entryText(list.entries()[0]), "Line 4: second");
}

TEST(ProblemList, AProblemSelectsTheListedRecordHoldingItsLine)
{
    EditorState s;
    s.DATA = Document({"{BOP", "0", "gumppic", "x", "1", "A.bmp", "text", "1", "2", "0", "Hi", "}EOP"});
    s.LineList = {2}; // the text is not listed (shown on no page here)
    const struct
    {
        int line;
        std::optional<int> entry;
    } cases[] = {{3, 0}, {4, 0}, {6, 0}, {7, std::nullopt}, {1, std::nullopt}, {0, std::nullopt}, {99, std::nullopt}};
    for (const auto &c : cases)
        EXPECT_EQ(ProblemList::selectEntryOf(problem(c.line, "", "Render"), s), c.entry) << c.line;
}

TEST(Document, ACutShortRecordNoLongerHidesTheNextPage)
{
    Document doc({"{BOP", "0", "button", "1", "2", "ok.bmp", "0", "0", "}EOP", "{BOP", "1", "}EOP"});
    EXPECT_FALSE(doc.ensurePage("1"));
    EXPECT_EQ(doc.pageEnds("0"), QList<int>({8}));
    EXPECT_EQ(doc.recordLengthAt(2), 6);
    EXPECT_EQ(doc.recordAt(2), QStringList({"button", "1", "2", "ok.bmp", "0", "0", "", ""}));

    // Remove takes only what the record holds, never the brackets after it.
    EditorState s;
    s.DATA = doc;
    s.SelectedLine = 2;
    ElementCommands::remove(s);
    EXPECT_EQ(s.DATA.lines(), QStringList({"{BOP", "0", "}EOP", "{BOP", "1", "}EOP"}));
}
