#include "document/DocumentSession.h"
#include "editor/TestModeView.h"

#include <gtest/gtest.h>

namespace {

// Page 0 holds a closing button at 0,0; page 1 a page button to 2 at 50,50;
// page 2 nothing.
void loadPagedDesign(EditorState &s)
{
    s.DATA = Document({"{BOP", "0", "button", "0", "0", "okay.bmp", "1", "0", "0", "", "}EOP",
                       "{BOP", "1", "button", "50", "50", "okay.bmp", "0", "2", "0", "", "}EOP",
                       "{BOP", "2", "}EOP"});
}

QSize twentyByTen(const QString &) { return {20, 10}; }

struct View
{
    QString page;
    bool alwaysDrawPage0;
    int selectedLine;
    bool markLogic;   // the marks of the design's logic: never in test mode
    bool operator==(const View &) const = default;
};

View viewOf(const EditorState &s)
{
    return {s.Page, s.AlwaysDrawPage0, s.SelectedLine, s.MarkLogic};
}

} // namespace

// Whatever test mode showed, leaving gives back the view editing had.
TEST(TestModeView, LeavingGivesBackTheEditingViewWhateverTheClicksShowed)
{
    const struct
    {
        const char *name;
        View editing;
        QList<QPoint> clicks;
        View tested;   // the view before leaving
    } cases[] = {
        {"no click", {"1", false, 14, true}, {}, {"1", true, 0, false}},
        {"page switch", {"1", false, 14, true}, {{55, 55}}, {"2", true, 0, false}},
        {"dialog closed", {"0", true, 3, true}, {{1, 1}}, {"", false, 0, false}},
        {"a miss", {"0", false, 0, false}, {{300, 300}}, {"0", true, 0, false}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        DocumentSession session;
        EditorState &s = session.state;
        loadPagedDesign(s);
        s.Page = c.editing.page;
        s.AlwaysDrawPage0 = c.editing.alwaysDrawPage0;
        s.SelectedLine = c.editing.selectedLine;
        s.MarkLogic = c.editing.markLogic;
        const QStringList lines = s.DATA.lines();
        TestModeView test(session);
        test.enter();
        EXPECT_TRUE(test.active());
        for (const QPoint at : c.clicks)
            test.click(at, twentyByTen);
        EXPECT_EQ(viewOf(s), c.tested);
        test.leave();
        EXPECT_FALSE(test.active());
        EXPECT_EQ(viewOf(s), c.editing);
        EXPECT_EQ(s.DATA.lines(), lines);   // only the view changed
    }
}
