#include "document/RecordWalker.h"
#include "support/ExampleDocuments.h"

#include <gtest/gtest.h>

namespace {

using Item = RecordWalker::Item;

struct Step {
    Item item;
    int line;
    int length;
    QString page;
    bool operator==(const Step &) const = default;
};

std::vector<Step> walk(const QStringList &lines)
{
    std::vector<Step> steps;
    RecordWalker w(lines);
    while (w.next())
        steps.push_back({w.item(), w.line(), w.length(), w.page()});
    return steps;
}

} // namespace

TEST(RecordWalker, WalksTheExampleRecordByRecord)
{
    const std::vector<Step> expected{
        {Item::PageOpen, 0, 2, "0"},  {Item::Element, 2, 6, "0"}, {Item::Element, 8, 4, "0"},
        {Item::Element, 12, 5, "0"},  {Item::Element, 17, 8, "0"}, {Item::PageClose, 25, 1, "0"},
        {Item::Location, 26, 3, "-1"}, {Item::Misc, 29, 3, "-1"},
    };
    EXPECT_EQ(walk(ExampleDocuments::onePageDialog()), expected);

    const QStringList lines = ExampleDocuments::onePageDialog();
    RecordWalker w(lines);
    std::vector<ElementKind> kinds;
    while (w.next())
        if (w.item() == Item::Element)
            kinds.push_back(w.kind());
    EXPECT_EQ(kinds, (std::vector<ElementKind>{ElementKind::Resizepic, ElementKind::Gumppic,
                                               ElementKind::Text, ElementKind::Button}));
}

TEST(RecordWalker, KeywordsInsideTextsAndEventsAreNeverStructure)
{
    const QStringList lines{
        "{BOP", "1",
        "text", "1", "2", "1152", "{BOP",                  // texts and events may say anything
        "text", "0", "0", "0", "LOCATION",
        "button", "5", "0", "okay.bmp", "1", "0", "1", "gumppic",
        "}EOP",
        "LOCATION", "3", "4",
    };
    const std::vector<Step> expected{
        {Item::PageOpen, 0, 2, "1"},  {Item::Element, 2, 5, "1"}, {Item::Element, 7, 5, "1"},
        {Item::Element, 12, 8, "1"}, {Item::PageClose, 20, 1, "1"}, {Item::Location, 21, 3, "-1"},
    };
    EXPECT_EQ(walk(lines), expected);
}

TEST(RecordWalker, TruncatedRecordsAndStrayLinesEndTheWalkCleanly)
{
    const QStringList lines{"stray", "}EOP", "{BOP", "2", "button", "10", "20"};
    RecordWalker w(lines);
    ASSERT_TRUE(w.next());
    EXPECT_EQ(w.item(), Item::Other);
    ASSERT_TRUE(w.next());
    EXPECT_EQ(w.item(), Item::PageClose); // outside any bracket
    EXPECT_EQ(w.page(), "-1");
    ASSERT_TRUE(w.next());
    EXPECT_EQ(w.page(), "2");
    ASSERT_TRUE(w.next());
    EXPECT_EQ(w.kind(), ElementKind::Button);
    EXPECT_FALSE(w.complete());
    EXPECT_EQ(w.field(2), "20");
    EXPECT_EQ(w.field(3), QString());
    EXPECT_EQ(w.field(7), QString());
    EXPECT_FALSE(w.next());
    EXPECT_FALSE(w.next());

    const QStringList lonelyOpen{"{BOP"};
    RecordWalker last(lonelyOpen);
    ASSERT_TRUE(last.next());
    EXPECT_EQ(last.item(), Item::PageOpen);
    EXPECT_TRUE(last.page().isEmpty());
    EXPECT_FALSE(last.next());
}

TEST(RecordWalker, ANumberFieldHoldingStructureCutsTheRecordShortThere)
{
    const struct
    {
        QStringList lines;
        std::vector<Step> expected;
    } cases[] = {
        // A button two lines short: its events flag is the page's "}EOP".
        {{"{BOP", "0", "button", "1", "2", "ok.bmp", "0", "0", "}EOP", "{BOP", "1", "gumppic", "3", "4", "A.bmp", "}EOP"},
         {{Item::PageOpen, 0, 2, "0"}, {Item::Element, 2, 6, "0"}, {Item::PageClose, 8, 1, "0"},
          {Item::PageOpen, 9, 2, "1"}, {Item::Element, 11, 4, "1"}, {Item::PageClose, 15, 1, "1"}}},
        // A background whose height is the next record's kind word.
        {{"{BOP", "0", "resizepic", "1", "2", "9200.bmp", "10", "text", "5", "6", "0", "Hi", "}EOP"},
         {{Item::PageOpen, 0, 2, "0"}, {Item::Element, 2, 5, "0"}, {Item::Element, 7, 5, "0"},
          {Item::PageClose, 12, 1, "0"}}},
        // A location cut short by the window flags record after it.
        {{"LOCATION", "5", "MISC", "0", "1"}, {{Item::Location, 0, 2, "-1"}, {Item::Misc, 2, 3, "-1"}}},
        // A bracket without its page number.
        {{"{BOP", "}EOP"}, {{Item::PageOpen, 0, 1, ""}, {Item::PageClose, 1, 1, ""}}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(walk(c.lines), c.expected) << c.lines.join(u' ').toStdString();

    const QStringList lines = cases[0].lines;
    RecordWalker w(lines);
    w.next();
    w.next();
    EXPECT_TRUE(w.cutShort());
    EXPECT_FALSE(w.complete());
    EXPECT_EQ(w.field(5), "0");
    EXPECT_EQ(w.field(6), ""); // past the cut
    EXPECT_EQ(RecordWalker::lengthAt(lines, 2), 6);
}
