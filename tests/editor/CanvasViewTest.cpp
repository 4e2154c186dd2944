#include "editor/CanvasView.h"

#include <gtest/gtest.h>

namespace {

EditorState design()
{
    EditorState s = EditorState::batch();
    s.DATA = Document({"{BOP", "0", "gumppic", "1", "2", "1F4.bmp", "}EOP",
                       "{BOP", "1", "text", "3", "4", "0", "Hi", "}EOP", "LOCATION", "5", "5"});
    return s;
}

} // namespace

TEST(CanvasView, RendersOnlyWhenTheDocumentChanged)
{
    PageRenderer renderer;
    CanvasView view(renderer);
    view.setCanvasSize(QSize(120, 80));
    EditorState s = design();
    const Settings options;

    EXPECT_TRUE(view.redraw(s, options));
    EXPECT_EQ(view.canvas().size(), QSize(120, 80));
    EXPECT_TRUE(view.drawTimeText().startsWith(QStringLiteral("DRAWTIME=")));
    EXPECT_EQ(s.LineList, QList<int>({2}));
    EXPECT_EQ(s.SelectList.size(), 1);
    EXPECT_EQ(s.LocationLine, 15);
    EXPECT_EQ(s.MiscLine, -1);

    // Unchanged: the last render is shown again and the lists stay.
    s.LineList.clear();
    EXPECT_FALSE(view.redraw(s, options));
    EXPECT_TRUE(s.LineList.isEmpty());
    EXPECT_EQ(view.canvas(), view.lastRender());

    view.invalidate();
    EXPECT_TRUE(view.redraw(s, options));
    EXPECT_EQ(s.LineList, QList<int>({2}));

    s.DATA.setLine(3, QStringLiteral("9"));
    EXPECT_TRUE(view.redraw(s, options));
}

// The select list shows the selected element wherever the render lists it, and no entry without one.
TEST(CanvasView, TheSelectListFollowsTheSelection)
{
    PageRenderer renderer;
    CanvasView view(renderer);
    EditorState s = design();
    s.SelectedLine = 2;
    view.redraw(s, Settings());
    EXPECT_EQ(s.SelectIndex, 0);
    EXPECT_TRUE(s.Controls.removeEnabled);

    s.SelectedLine = 0;
    s.SelectIndex = 3; // beyond the rebuilt list
    view.invalidate();
    view.redraw(s, Settings());
    EXPECT_EQ(s.SelectIndex, -1);
    EXPECT_FALSE(s.Controls.removeEnabled);
}

TEST(CanvasView, DraggingKeepsTheLastRender)
{
    PageRenderer renderer;
    CanvasView view(renderer);
    EditorState s = design();
    view.redraw(s, Settings());
    const QImage before = view.lastRender();
    s.Dragging = true;
    s.ScrollX = 50;
    view.invalidate();
    view.redraw(s, Settings());
    EXPECT_EQ(view.lastRender(), before);
}

TEST(CanvasView, AutosaveRunsBeforeEachRenderWhenChosen)
{
    PageRenderer renderer;
    CanvasView view(renderer);
    int saves = 0;
    view.setAutosave([&] { ++saves; });
    EditorState s = design();
    Settings options;
    view.redraw(s, options);
    EXPECT_EQ(saves, 0);
    options.autoOnRedraw = true;
    view.invalidate();
    view.redraw(s, options);
    view.redraw(s, options); // unchanged: no render, no autosave
    EXPECT_EQ(saves, 1);
}

TEST(CanvasView, RenderOptionsFollowTheState)
{
    EditorState s = EditorState::batch();
    s.Page = QStringLiteral("2");
    s.ScrollX = 100;
    s.ScrollY = 50;
    s.AlwaysDrawPage0 = false;
    s.ShowText = false;
    s.SelectedLine = 7;
    Settings options;
    options.selectionColor = 0x0000FF;
    const RenderOptions o = CanvasView::renderOptions(s, options, QSize(10, 20));
    EXPECT_EQ(o.page, QStringLiteral("2"));
    EXPECT_EQ(o.scrollX, 100);
    EXPECT_EQ(o.scrollY, 50);
    EXPECT_FALSE(o.alwaysDrawPage0);
    EXPECT_FALSE(o.showText);
    EXPECT_TRUE(o.showButtons);
    EXPECT_EQ(o.selectedLine, 7);
    EXPECT_EQ(o.selectionColor, 0x0000FFu);
    EXPECT_EQ(o.canvasSize, QSize(10, 20));
}
