// The judge's rule of what a check entry names, without a server.
#include "DifferentialRun.h"

#include <gtest/gtest.h>

namespace {

using Severity = DesignProblem::Severity;

TEST(JudgeNaming, ADifferenceIsNamedOnlyByAnEntryOnItsElementAndField)
{
    const DesignProblem hue{5, Severity::Warning, "text: hue", "hue"};
    const DesignProblem advice{5, Severity::Warning, "text: it reaches", ""};
    const DesignProblem page{1, Severity::Warning, "page: dropped", "page"};
    const DesignProblem element{5, Severity::Warning, "htmlgump: the dialect has none", "element"};
    const struct {
        const char *rule;
        ShownDifference difference;
        QList<DesignProblem> problems;
        bool named;
    } cases[] = {
        {"same element, same field", {5, "", -1, "hue"}, {hue}, true},
        {"same element, other field", {5, "", -1, "place"}, {hue}, false},
        {"other element, same field", {9, "", -1, "hue"}, {hue}, false},
        {"advice names nothing", {5, "", -1, "place"}, {advice}, false},
        {"advice names no missing element", {5, "", -1, "element"}, {advice}, false},
        {"a missing element by any field of it", {5, "", -1, "element"}, {hue}, true},
        {"the whole element names each field", {5, "", -1, "text"}, {element}, true},
        {"a page by its bracket", {5, "", 1, "page"}, {page}, true},
        {"a page not by the element's entry", {5, "", 1, "page"}, {hue}, false},
        {"any field of an element on a page read otherwise", {5, "", 1, "place"}, {page}, true},
        {"not by a page entry on another bracket", {5, "", 3, "place"}, {page}, false},
        {"no gump by nothing", {-1, "no gump arrived", -1, ""}, {hue, advice, page}, false},
        {"a press by its events", {5, "", -1, "events"}, {DesignProblem{5, Severity::Error, "x", "events"}}, true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DifferentialRun::isNamed(c.difference, c.problems), c.named) << c.rule;
}

TEST(JudgeNaming, TheRestOfARefusedDesignIsKept)
{
    const QStringList design = {"{BOP", "0", "text", "1", "2", "0", "a\r\nb", "gumppic", "1", "2", "1F4.bmp", "}EOP",
                                "CLOSEBLOCK", "[x]"};
    const struct {
        QSet<int> lines;
        QStringList kept;
    } cases[] = {
        {{3}, {"{BOP", "0", "gumppic", "1", "2", "1F4.bmp", "}EOP", "CLOSEBLOCK", "[x]"}},
        {{3, 13}, {"{BOP", "0", "gumppic", "1", "2", "1F4.bmp", "}EOP"}},
        {{4}, design},   // no record starts there
        {{}, design},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DifferentialRun::without(design, c.lines), c.kept);
}

// What pressing a design's buttons must run, by the designer's model.
TEST(JudgeNaming, ThePressesOfADesign)
{
    const QStringList design = {
        "{BOP", "0",
        "checkbox", "1", "1", "okay.bmp", "1", "31",
        "textentry", "1", "1", "9", "9", "0", "7", "0", "typed",
        "button", "1", "1", "okay.bmp", "1", "0", "1", "SYSMESSAGE qm1\r\nsay x\r\nSYSMESSAGE qm2 <argchk 31>",
        "button", "1", "1", "okay.bmp", "0", "0", "1", "SYSMESSAGE qm3",               // switches pages: never pressed
        "button", "1", "1", "okay.bmp", "1", "0", "1 1", "SYSMESSAGE qm4 <argtxt 7>",  // kept 1: the others skip it
        "button", "1", "1", "okay.bmp", "1", "0", "0 9", "",                          // replies 9, no events
        "}EOP", "CLOSEBLOCK", "SYSMESSAGE qm5 <argtxt 8>"};
    const QList<ExpectedPress> presses = ReplyModel::pressesOf(design);
    const struct {
        quint32 button;
        QStringList markers;
        int line;
    } expected[] = {
        {2, {"qm1", "qm2 1"}, 18},
        {1, {"qm4 typed"}, 34},
        {9, {}, -1},
        {0, {"qm5"}, 51},
    };
    ASSERT_EQ(presses.size(), qsizetype(std::size(expected)));
    for (size_t k = 0; k < std::size(expected); ++k) {
        const ExpectedPress &p = presses[qsizetype(k)];
        EXPECT_EQ(p.press.button, expected[k].button);
        EXPECT_EQ(p.markers, expected[k].markers) << k;
        EXPECT_EQ(p.line, expected[k].line) << k;
        EXPECT_EQ(p.press.switches, QList<quint32>{31});
        EXPECT_EQ(p.press.entries, (QList<std::pair<quint16, QString>>{{7, "typed"}}));
    }
    EXPECT_EQ(ReplyModel::markersIn({"hi", "qm1", "qm2 1 ", "quillmark:done"}), (QStringList{"qm1", "qm2 1"}));
}

} // namespace
