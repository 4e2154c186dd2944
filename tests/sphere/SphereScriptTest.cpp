#include "sphere/SphereScript.h"

#include <gtest/gtest.h>

using namespace SphereScript;

TEST(SphereScript, CleansCommentsAndWhiteSpace)
{
    EXPECT_EQ(cleanLine(u"  gumppic 1 2 3   // portrait \t"), u"gumppic 1 2 3");
    EXPECT_EQ(cleanLine(u"// only a comment"), u"");
    EXPECT_EQ(cleanLine(u"see http://example.org"), u"see http:");
}

TEST(SphereScript, HeaderWordsIgnoreWhatFollowsTheBracket)
{
    EXPECT_EQ(headerWords(u"[dialog d_x] // menu"), QStringList({"dialog", "d_x"}));
    EXPECT_EQ(headerWords(u"[DIALOG d_x text]"), QStringList({"DIALOG", "d_x", "text"}));
    EXPECT_EQ(headerWords(u"[FUNCTION f"), QStringList({"FUNCTION", "f"}));
    EXPECT_FALSE(headerWords(u"text 1 2 3 0"));
}

TEST(SphereScript, StatementKeepsTheRestAsWritten)
{
    const Statement s = statement(u"DTEXT 10 20 0  Hello   world");
    EXPECT_EQ(s.word, u"dtext");
    EXPECT_EQ(s.args, QStringList({"10", "20", "0", "Hello", "world"}));
    EXPECT_EQ(s.rest, u"10 20 0  Hello   world");
}

TEST(SphereScript, SectionsSkipEmptyLinesAndStopAtEof)
{
    const QStringList file = {"junk before", "[DIALOG a]", "", "0,0", "  // note", "page 0", "[dialog a TEXT]",
                              "first", "", "second", "[EOF]", "[DIALOG b]", "0,0"};
    const QList<Section> all = sections(file);
    ASSERT_EQ(all.size(), 2);
    EXPECT_EQ(all[0].headerLine, 2);
    ASSERT_EQ(all[0].body.size(), 2);
    EXPECT_EQ(all[0].body[1].number, 6);
    const Section *text = findSection(all, {"dialog", "A", "text"});
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->body.size(), 2);
    EXPECT_EQ(text->body[1].text, u"second");
    EXPECT_EQ(findSection(all, {"DIALOG", "b"}), nullptr);
}
