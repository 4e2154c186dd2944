#include "editor/TestMode.h"

#include <gtest/gtest.h>

namespace {

QStringList button(int x, int y, const QString &close, const QString &page, const QString &events = QString())
{
    return {"button", QString::number(x), QString::number(y), "okay.bmp", close, page,
            events.isEmpty() ? "0" : "1", events};
}

// Page 0: a closing button with events at 0,0. Page 1: a page button to 2 at
// 50,50 and a closing button over page 0's at 0,0. Page 2: a page button back
// to 1 at 50,50 and one to a page that is not there at 100,100.
QStringList pagedDesign()
{
    QStringList lines = QStringList{"{BOP", "0"} + button(0, 0, "1", "0", "say zero") + QStringList{"}EOP"};
    lines << QStringList{"{BOP", "1"} << button(50, 50, "0", "2") << button(0, 0, "1", "0", "a\r\nb\r\nc")
          << "}EOP";
    lines << QStringList{"{BOP", "2"} << button(50, 50, "0", "1") << button(100, 100, "0", "7") << "}EOP";
    return lines;
}

QSize twentyByTen(const QString &) { return {20, 10}; }

} // namespace

TEST(TestModeTest, PageButtonsSwitchPagesAndLeavingGoesBackWhereEditingStopped)
{
    const QStringList lines = pagedDesign();
    const QStringList before = lines;
    TestMode mode;
    mode.enter("1");
    using Kind = TestMode::Click::Kind;
    const struct {
        QPoint at;
        Kind kind;
        const char *pageAfter;
    } steps[] = {
        {{5, 60}, Kind::Nothing, "1"},        // beside every button
        {{55, 55}, Kind::PageSwitch, "2"},    // page 1 -> 2
        {{105, 105}, Kind::MissingPage, "2"}, // page 7 is not there: stays
        {{69, 59}, Kind::PageSwitch, "1"},    // the last pixel of the button, back to 1
    };
    for (const auto &s : steps) {
        EXPECT_EQ(mode.click(lines, s.at, twentyByTen).kind, s.kind) << s.at.x();
        EXPECT_EQ(mode.page(), QString(s.pageAfter)) << s.at.x();
    }
    EXPECT_EQ(mode.leave(), "1");
    EXPECT_FALSE(mode.active());
    EXPECT_EQ(lines, before);
}

TEST(TestModeTest, ReplyButtonsNameTheirNumberAndFirstEventsAndCloseTheDialog)
{
    const QStringList lines = pagedDesign();
    TestMode mode;
    mode.enter("1");
    // Page 1's button lies over page 0's at the same place and wins.
    const TestMode::Click top = mode.click(lines, {1, 1}, twentyByTen);
    EXPECT_EQ(top.kind, TestMode::Click::Kind::Reply);
    EXPECT_EQ(top.reply, 2);
    EXPECT_EQ(top.firstEvents, QStringList({"a", "b"}));
    EXPECT_EQ(top.status, "Reply 2: a / b - the dialog closes");
    EXPECT_TRUE(mode.dialogClosed());
    EXPECT_EQ(mode.click(lines, {55, 55}, twentyByTen).kind, TestMode::Click::Kind::Nothing);

    mode.leave();
    mode.enter("2");
    const TestMode::Click beneath = mode.click(lines, {1, 1}, twentyByTen);
    EXPECT_EQ(beneath.reply, 1);
    EXPECT_EQ(beneath.firstEvents, QStringList({"say zero"}));
    // Missing art is never hit.
    mode.enter("2");
    EXPECT_EQ(mode.click(lines, {1, 1}, [](const QString &) { return QSize(); }).kind,
              TestMode::Click::Kind::Nothing);
}
