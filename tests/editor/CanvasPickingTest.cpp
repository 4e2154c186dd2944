#include "document/RecordWalker.h"
#include "editor/CanvasPicking.h"
#include "support/ExampleDocuments.h"
#include "support/SyntheticArt.h"
#include "support/SyntheticFont.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using SyntheticArt::bmpBytes;
using SyntheticArt::solid;

namespace {

constexpr QRgb Red = 0xFFFF0000u;
constexpr QRgb Blue = 0xFF0000FFu;
constexpr QRgb Green = 0xFF00FF00u;
constexpr QRgb Black = 0xFF000000u;

QStringList gumppic(int x, int y, const QString &file)
{
    return {"gumppic", QString::number(x), QString::number(y), file};
}

QStringList page(const QList<QStringList> &records)
{
    QStringList lines{"{BOP", "0"};
    for (const QStringList &r : records)
        lines += r;
    return lines << "}EOP";
}

// Art in AppDir: 1F4.bmp 10 × 10 red with a black pixel at (5, 5), B.bmp
// 10 × 10 blue, buttons/ok.bmp 8 × 6 green. The font's one glyph "A"
// advances 5 pixels.
class CanvasPickingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QImage picture = solid(10, 10, Red);
        picture.setPixel(5, 5, Black);
        SyntheticArt::writeFile(dir.path(), "DATA/1F4.bmp", bmpBytes(picture));
        SyntheticArt::writeFile(dir.path(), "DATA/B.bmp", bmpBytes(solid(10, 10, Blue)));
        SyntheticArt::writeFile(dir.path(), "DATA/buttons/ok.bmp", bmpBytes(solid(8, 6, Green)));
        SyntheticArt::writeFile(dir.path(), "UO0.CORE",
                                SyntheticFont::fileBytes({SyntheticFont::glyph(
                                    "A.BMP", "5", SyntheticFont::boxRows(1, 4, 3, 10))}));
        renderer.setAppDir(dir.path() + u'/');
        ASSERT_TRUE(renderer.loadFont(dir.path() + "/UO0.CORE"));
    }

    // Renders the design first, as the window does, so the select and line
    // lists are those a render builds.
    void design(const QStringList &designLines)
    {
        lines = designLines;
        lineList = renderer.render(lines, options).lineList;
    }

    // The select list entry hit at a document point, -1 for none.
    int entryAt(int x, int y)
    {
        const CanvasPicking::Result r = CanvasPicking::pick(lines, lineList, QPoint(x, y), renderer, options);
        return r.hit ? r.hit->entry : -1;
    }

    QTemporaryDir dir;
    PageRenderer renderer;
    RenderOptions options;
    QStringList lines;
    QList<int> lineList;
};

} // namespace

TEST_F(CanvasPickingTest, OfOverlappingElementsTheOneDrawnLastWins)
{
    design(page({gumppic(20, 20, "B.bmp"), gumppic(25, 25, "1F4.bmp")}));
    EXPECT_EQ(entryAt(27, 27), 1);
    EXPECT_EQ(entryAt(22, 22), 0);
    EXPECT_EQ(entryAt(19, 27), -1); // left of both
    EXPECT_EQ(entryAt(27, 19), -1); // above both

    const CanvasPicking::Result r = CanvasPicking::pick(lines, lineList, QPoint(27, 28), renderer, options);
    ASSERT_TRUE(r.hit);
    EXPECT_EQ(r.hit->line, 6);
    EXPECT_EQ(QPoint(r.hit->x, r.hit->y), QPoint(25, 25));
    EXPECT_TRUE(r.problems.isEmpty());
}

TEST_F(CanvasPickingTest, TheBoxIncludesOneColumnAndRowPastTheArt)
{
    design(page({gumppic(20, 20, "B.bmp"), {"button", "50", "60", "ok.bmp", "1", "0", "0", ""}}));
    for (const bool transparent : {true, false}) {
        options.transparent = transparent;
        EXPECT_EQ(entryAt(30, 25), 0);
        EXPECT_EQ(entryAt(25, 30), 0);
        EXPECT_EQ(entryAt(30, 30), 0);
        EXPECT_EQ(entryAt(31, 25), -1);
        EXPECT_EQ(entryAt(25, 31), -1);
        EXPECT_EQ(entryAt(58, 66), 1);
        EXPECT_EQ(entryAt(59, 66), -1);
        EXPECT_EQ(entryAt(58, 67), -1);
    }
}

TEST_F(CanvasPickingTest, WithTransparentOnABlackPixelIsSeeThrough)
{
    // The black pixel of 1F4 lies at document (35, 35), over B.
    design(page({gumppic(30, 30, "B.bmp"), gumppic(30, 30, "1F4.bmp")}));
    options.transparent = true;
    EXPECT_EQ(entryAt(35, 35), 0);
    EXPECT_EQ(entryAt(35, 36), 1);
    options.transparent = false;
    EXPECT_EQ(entryAt(35, 35), 1);

    // Nothing beneath: nothing is hit.
    design(page({gumppic(30, 30, "1F4.bmp")}));
    options.transparent = true;
    EXPECT_EQ(entryAt(35, 35), -1);
}

TEST_F(CanvasPickingTest, MissingArtIsNeverHitAndNamesNoProblem)
{
    design(page({gumppic(0, 0, "B.bmp"), gumppic(0, 0, "C.bmp"), {"button", "0", "0", "gone.bmp", "1", "0", "0", ""}}));
    const CanvasPicking::Result r = CanvasPicking::pick(lines, lineList, QPoint(3, 3), renderer, options);
    ASSERT_TRUE(r.hit);
    EXPECT_EQ(r.hit->entry, 0);
    EXPECT_TRUE(r.problems.isEmpty());
}

TEST_F(CanvasPickingTest, TextsAreMeasuredByTheConverterAndBackgroundsByTheirFields)
{
    options.perfectText = false;
    // "A A" is 16 pixels wide in plain lettering, 21 high.
    design(page({{"resizepic", "100", "100", "9200.bmp", "40", "30"}, {"text", "0", "0", "0", "A A"}}));
    EXPECT_EQ(entryAt(16, 21), 1);
    EXPECT_EQ(entryAt(17, 5), -1);
    EXPECT_EQ(entryAt(5, 22), -1);
    // The background's art is missing; its fields alone give its extent.
    EXPECT_EQ(entryAt(140, 130), 0);
    EXPECT_EQ(entryAt(141, 110), -1);
    EXPECT_EQ(entryAt(110, 131), -1);
    EXPECT_EQ(entryAt(99, 110), -1);

    // Perfect lettering, as the render draws it then, gives a space 9 pixels.
    options.perfectText = true;
    EXPECT_EQ(entryAt(19, 5), 1);
    EXPECT_EQ(entryAt(20, 5), -1);
}

TEST_F(CanvasPickingTest, RecordsWithUnreadableNumbersAreSkippedAndNamed)
{
    design(page({gumppic(0, 0, "B.bmp"), {"resizepic", "0", "0", "9200.bmp", "wide", "30"},
                 gumppic(0, 0, "1F4.bmp")}));
    lines[13] = "x"; // the last gumppic's X, after the render listed it
    const CanvasPicking::Result r = CanvasPicking::pick(lines, lineList, QPoint(3, 3), renderer, options);
    ASSERT_TRUE(r.hit);
    EXPECT_EQ(r.hit->entry, 0);
    EXPECT_EQ(r.problems, QStringList({"gumppic at line 13 cannot be picked: 'x' is not a valid integer value",
                                       "resizepic at line 7 cannot be picked: 'wide' is not a valid integer value"}));
}

TEST_F(CanvasPickingTest, OnlyListedElementsCanBePicked)
{
    // Page 0 drawn beneath page 1 is not in the select list.
    lines = page({gumppic(0, 0, "B.bmp")}) + QStringList{"{BOP", "1", "}EOP"};
    options.page = "1";
    lineList = renderer.render(lines, options).lineList;
    EXPECT_TRUE(lineList.isEmpty());
    EXPECT_EQ(entryAt(3, 3), -1);
    // A line list pointing at no record picks nothing.
    lineList = {0, 1, 99};
    EXPECT_EQ(entryAt(3, 3), -1);
}

TEST_F(CanvasPickingTest, NewerKindsArePickedByTheirBoxOrTheirArt)
{
    const QStringList designLines = ExampleDocuments::everyNewKindDialog();
    QList<int> elements;
    RecordWalker w(designLines);
    while (w.next())
        if (w.item() == RecordWalker::Item::Element)
            elements << w.line();
    ASSERT_EQ(elements.size(), 10);

    // The box kinds measure by their width and height fields.
    const std::map<int, QRect> boxes{{0, QRect(10, 20, 200, 80)}, {1, QRect(10, 110, 120, 20)},
                                     {2, QRect(10, 140, 150, 20)}, {5, QRect(0, 0, 64, 32)},
                                     {7, QRect(5, 5, 290, 190)},   {8, QRect(10, 200, 250, 40)}};
    for (int k = 0; k < elements.size(); ++k) {
        const auto box = CanvasPicking::boxOf(designLines, elements[k], renderer, options);
        ASSERT_TRUE(box) << k;
        if (boxes.count(k))
            EXPECT_EQ(*box, boxes.at(k)) << k;
        else
            EXPECT_FALSE(box->isEmpty()) << k; // art, or a placeholder without it
        const CanvasPicking::Result hit =
            CanvasPicking::pick(designLines, {elements[k]}, box->topLeft() + QPoint(1, 1), renderer, options);
        ASSERT_TRUE(hit.hit) << k;
        EXPECT_EQ(hit.hit->line, elements[k]);
    }

    // A bad width is a named problem, not a hit.
    QStringList bad = designLines;
    bad[elements[0] + 3] = "wide";
    const CanvasPicking::Result r = CanvasPicking::pick(bad, {elements[0]}, QPoint(12, 22), renderer, options);
    EXPECT_FALSE(r.hit);
    EXPECT_EQ(r.problems.size(), 1);
}
