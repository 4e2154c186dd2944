#include "document/ElementCommands.h"
#include "document/ProblemList.h"

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
}

// An entry names the element as the select list does, and its page; never a
// line of the design file, which the user does not see.
TEST(ProblemList, AnEntryNamesItsElementAndPage)
{
    const QStringList lines{"{BOP", "0", "gumppic", "x", "1", "1F4.bmp", "}EOP",
                            "{BOP", "1", "button", "20", "30", "okay.bmp", "0", "0", "0", "", "}EOP",
                            "LOCATION", "5", "6"};
    const struct
    {
        int line;
        const char *message;
        const char *entry;
        const char *page;
        int elementLine; // kind word, counted from 0
    } cases[] = {
        {10, "button: close flag \"x\" is not a number", "Page 1, Button at 20 30 Useing okay: close flag \"x\" is not a number", "1", 9},
        {13, "button: the button does not close", "Page 1, Button at 20 30 Useing okay: the button does not close", "1", 9},
        {4, "gumppic at line 3 not drawn: 'x' is not a valid integer value",
         "Page 0, Gumppic at x 1 Useing 1F4: not drawn: 'x' is not a valid integer value", "0", 2},
        {8, "page: no button switches to page 1", "Page 1: no button switches to page 1", "1", 0},
        {19, "location: X \"a\" is not a number", "location: X \"a\" is not a number", nullptr, 0},
        {0, "Autosave failed", "Autosave failed", nullptr, 0},
        {99, "far", "far", nullptr, 0},
    };
    for (const auto &c : cases) {
        const Problem p = problem(c.line, c.message, "Check");
        EXPECT_EQ(ProblemList::entryText(p, lines), QString::fromUtf8(c.entry)) << c.line;
        const auto place = ProblemList::placeOf(p, lines);
        ASSERT_EQ(place.has_value(), c.page != nullptr) << c.line;
        if (place) {
            EXPECT_EQ(place->page, QString::fromLatin1(c.page)) << c.line;
            EXPECT_EQ(place->elementLine, c.elementLine) << c.line;
        }
    }
}

TEST(Document, ACutShortRecordNoLongerHidesTheNextPage)
{
    Document doc({"{BOP", "0", "button", "1", "2", "ok.bmp", "0", "0", "}EOP", "{BOP", "1", "}EOP"});
    EXPECT_FALSE(doc.ensurePage("1"));
    EXPECT_EQ(doc.pageEnds("0"), QList<int>({8}));
    EXPECT_EQ(doc.recordLengthAt(2), 6);
    EXPECT_EQ(doc.recordAt(2), QStringList({"button", "1", "2", "ok.bmp", "0", "0", "", ""}));

    // Remove takes only what the record holds, never the brackets after it.
    EditorState s = EditorState::batch();
    s.DATA = doc;
    s.SelectedLine = 2;
    ElementCommands::remove(s);
    EXPECT_EQ(s.DATA.lines(), QStringList({"{BOP", "0", "}EOP", "{BOP", "1", "}EOP"}));
}
