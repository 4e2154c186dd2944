#include "assets/HueLibrary.h"
#include "assets/client/GumpPixels.h"
#include "render/ControlDrawing.h"
#include "render/PageRenderer.h"
#include "support/SyntheticArt.h"
#include "support/SyntheticClient.h"
#include "support/SyntheticFont.h"
#include "support/TextFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using SyntheticArt::bmpBytes;
using SyntheticArt::solid;

namespace {

constexpr QRgb Red = 0xFFFF0000u, Blue = 0xFF0000FFu, Green = 0xFF00FF00u, Yellow = 0xFFFFFF00u;
constexpr QRgb Black = 0xFF000000u, Grey = 0xFF808080u;

// Art for every kind: a 2 × 2 tile, a check box whose checked gump (D3) is in
// DATA/ and whose unchecked one (D2) is not, the HTML background; the font's
// "A" has its body at columns 1 … 3, rows 4 … 10; hue 95 is red. The client
// holds item 3 (red), hue 1 (colour 31 blue) and cliloc 500 "A".
class ControlBitmapsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        const QString appDir = dir.path() + u'/';
        QImage tile(2, 2, QImage::Format_RGB32);
        tile.setPixel(0, 0, Red);
        tile.setPixel(1, 0, Blue);
        tile.setPixel(0, 1, Blue);
        tile.setPixel(1, 1, Red);
        SyntheticArt::writeFile(dir.path(), "DATA/T.bmp", bmpBytes(tile));
        SyntheticArt::writeFile(dir.path(), "DATA/R.bmp", bmpBytes(solid(6, 6, Red)));
        SyntheticArt::writeFile(dir.path(), "DATA/B.bmp", bmpBytes(solid(6, 6, Blue)));
        SyntheticArt::writeFile(dir.path(), "DATA/D3.bmp", bmpBytes(solid(5, 5, Blue)));
        SyntheticArt::writeFile(dir.path(), "DATA/buttons/box.bmp", bmpBytes(solid(8, 6, Green)));
        SyntheticArt::writeFile(dir.path(), "DATA/buttons/box.cs", "D2\r\nD3\r\n");
        for (int k = 0; k < 9; ++k)
            SyntheticArt::writeFile(dir.path(), "DATA/resizepic/" + QString::number(k) + "3000.bm",
                                    bmpBytes(solid(4, 4, Grey)));
        writeTextFile(HueLibrary::pathIn(appDir), "[NORMALS]\r\nTOTAL=1\r\n[1]\r\nCOLOR=clRed\r\nSPHERE=95\r\n");
        SyntheticArt::writeFile(dir.path(), "UO0.CORE",
                                SyntheticFont::fileBytes({SyntheticFont::glyph(
                                    "A.BMP", "5", SyntheticFont::boxRows(1, 4, 3, 10))}));
        renderer.setAppDir(appDir);
        ASSERT_TRUE(renderer.loadFont(appDir + "UO0.CORE"));
        options.canvasSize = QSize(60, 40);
        options.backgroundColor = 0x00FFFF;
        options.highlightSelected = false;
    }

    void useClient()
    {
        const auto [index, data] = SyntheticClient::itemMul({{3, 2, 2, {0x7C00, 0x7C00, 0x7C00, 0x7C00}}});
        GameClient client;
        client.items = ItemArt::fromMul(ClientFile::fromBytes(index), ClientFile::fromBytes(data));
        client.hues = HuesFile::read(SyntheticClient::hues({{0x7C00, "Red"}}));
        client.cliloc = Cliloc::fromFile(ClientFile::fromBytes(SyntheticClient::cliloc({{500, "A"}})));
        renderer.setGameClient(client);
    }

    QImage render(const QStringList &records)
    {
        const RenderResult r = renderer.render(QStringList{"{BOP", "0"} + records + QStringList{"}EOP"}, options);
        EXPECT_TRUE(r.problems.isEmpty()) << r.problems.join(u'\n').toStdString();
        return r.page;
    }

    QTemporaryDir dir;
    PageRenderer renderer;
    RenderOptions options;
};

struct Probe
{
    QPoint at;
    QRgb expected;
};

struct Case
{
    const char *what;
    bool client;
    QStringList records;
    QList<Probe> probes;
};

} // namespace

TEST_F(ControlBitmapsTest, EachKindIsDrawnAsTheClientDrawsIt)
{
    const QRgb itemInHue = GumpPixels::toRgb(31);   // the synthetic hue's colour 31
    const Case cases[] = {
        {"croppedtext cut to its box", false, {"croppedtext", "10", "10", "7", "21", "95", "AA"},
         {{{12, 16}, Red}, {{16, 16}, Red}, {{18, 16}, Yellow}}},
        {"textentry in a dotted frame", false, {"textentry", "10", "10", "20", "21", "95", "1", "0", "A"},
         {{{10, 10}, Grey}, {{11, 10}, Yellow}, {{12, 16}, Red}, {{29, 29}, Yellow}}},
        {"unchecked box without its gump shows its art", false, {"checkbox", "10", "10", "box.bmp", "0", "1"},
         {{{10, 10}, Green}, {{17, 15}, Green}}},
        {"checked radio shows the checked gump", false, {"radio", "10", "10", "box.bmp", "1", "1", "0"},
         {{{10, 10}, Blue}, {{15, 10}, Yellow}}},
        {"a button keeping a pair no art has shows its up gump", false,
         {"button", "10", "10", "gump 211 210.bmp", "1", "0", "1", ""}, {{{10, 10}, Blue}, {{15, 10}, Yellow}}},
        {"a checked box keeping its pair shows the checked gump", false,
         {"checkbox", "10", "10", "gump 210 211.bmp", "1", "1"}, {{{14, 14}, Blue}, {{15, 15}, Yellow}}},
        {"gumppictiled repeats its picture", false, {"gumppictiled", "10", "10", "5", "3", "T.bmp"},
         {{{10, 10}, Red}, {{11, 10}, Blue}, {{11, 11}, Red}, {{14, 12}, Red}, {{15, 10}, Yellow}}},
        {"checkertrans lets every other pixel show the world",
         false, {"gumppic", "10", "10", "B.bmp", "checkertrans", "10", "10", "4", "4"},
         {{{10, 10}, Blue}, {{11, 10}, Yellow}, {{12, 11}, Yellow}, {{15, 15}, Blue}}},
        {"tilepic without a client is a numbered box", false, {"tilepic", "10", "10", "3", "0"},
         {{{10, 10}, ControlDrawing::PlaceholderFrame}, {{40, 35}, ControlDrawing::PlaceholderFill}}},
        {"tilepic from the client's items", true, {"tilepic", "10", "10", "3", "0"},
         {{{10, 10}, Red}, {{11, 11}, Red}, {{12, 10}, Yellow}}},
        {"tilepic in a hue", true, {"tilepic", "10", "10", "3", "1"}, {{{10, 10}, itemInHue}}},
        {"gumppichue in a hue", true, {"gumppichue", "10", "10", "R.bmp", "1"}, {{{15, 15}, itemInHue}}},
        {"htmlgump aligned right, no background", false,
         {"htmlgump", "10", "10", "30", "21", "0", "0", "<DIV ALIGN=RIGHT>A</DIV>"},
         {{{37, 16}, Black}, {{12, 16}, Yellow}}},
        {"htmlgump on its background", false, {"htmlgump", "10", "10", "30", "21", "1", "0", "A"},
         {{{16, 20}, GumpPixels::NearBlack}, {{12, 16}, Grey}, {{30, 28}, Grey}}},
        {"xmfhtmlgump shows the client's text in its colour", true,
         {"xmfhtmlgump", "10", "10", "30", "21", "500", "0", "0", "31744"}, {{{12, 16}, Red}}},
        {"xmfhtmlgump without a client says cliloc N", false,
         {"xmfhtmlgump", "10", "10", "30", "21", "500", "0", "0", "0"}, {{{12, 16}, Yellow}}},
    };
    for (const Case &c : cases) {
        if (c.client)
            useClient();
        else
            renderer.setGameClient({});
        const QImage page = render(c.records);
        for (const Probe &p : c.probes)
            EXPECT_EQ(page.pixel(p.at), p.expected) << c.what << " at " << p.at.x() << "," << p.at.y();
    }
}

TEST_F(ControlBitmapsTest, HugeBoxesAreClampedAndBoxesOffTheCanvasAreNotMade)
{
    const RenderResult r = renderer.render({"{BOP", "0", "checkertrans", "0", "0", "100000", "100000",
                                            "gumppictiled", "5000", "5000", "10", "10", "T.bmp", "}EOP"},
                                           options);
    EXPECT_TRUE(r.problems.isEmpty());
    EXPECT_EQ(r.selectEntries.size(), 2);
    EXPECT_LE(renderer.imageCache().bytesHeld(),
              qint64(ControlDrawing::MaxSide) * ControlDrawing::MaxSide * 4 * 2 + 1024);
    EXPECT_EQ(renderer.imageCache().entryCount(), 1);   // the tiled box lies off the canvas
}

// The font's "A" is 5 pixels wide with its body in columns 1 … 3 and rows
// 4 … 10 (Perfect Text outlines it one pixel around), so right-aligned in a
// text area ending at column e its body covers e - 4 … e - 2.
TEST_F(ControlBitmapsTest, HtmlTextIsInsetOnItsBackgroundAndLeavesTheScrollBarItsRoom)
{
    const Case cases[] = {
        {"the bar's room is kept without its art", false,
         {"htmlgump", "10", "10", "40", "21", "0", "1", "<DIV ALIGN=RIGHT>A</DIV>"},
         {{{31, 16}, Black}, {{34, 16}, Yellow}, {{37, 16}, Yellow}}},
        {"the text stands 4 pixels in from the background's left and top", false,
         {"htmlgump", "10", "10", "40", "21", "1", "0", "A"},
         {{{15, 18}, GumpPixels::NearBlack}, {{17, 24}, GumpPixels::NearBlack}, {{12, 16}, Grey},
          {{15, 16}, Grey}, {{13, 18}, Grey}}},
        {"and wraps 4 pixels short of its right edge", false,
         {"htmlgump", "10", "10", "40", "21", "1", "0", "<DIV ALIGN=RIGHT>A</DIV>"},
         {{{44, 18}, GumpPixels::NearBlack}, {{46, 18}, Grey}}},
        {"the background stops at the bar's room", false,
         {"htmlgump", "10", "10", "50", "21", "1", "1", "<DIV ALIGN=RIGHT>A</DIV>"},
         {{{37, 20}, GumpPixels::NearBlack}, {{43, 15}, Grey}, {{44, 15}, Yellow}, {{58, 30}, Yellow}}},
        {"an xmfhtmlgump the same", true, {"xmfhtmlgump", "10", "10", "40", "21", "500", "1", "1", "31744"},
         {{{15, 18}, Red}, {{13, 18}, Grey}, {{34, 15}, Yellow}}},
    };
    for (const Case &c : cases) {
        if (c.client)
            useClient();
        else
            renderer.setGameClient({});
        const QImage page = render(c.records);
        for (const Probe &p : c.probes)
            EXPECT_EQ(page.pixel(p.at), p.expected) << c.what << " at " << p.at.x() << "," << p.at.y();
    }
}

TEST_F(ControlBitmapsTest, TheScrollBarArtStandsAtTheRightEdgeOfItsRoom)
{
    // A 15-wide up arrow: the room stays 16, the arrow fills its right 15.
    SyntheticArt::writeFile(dir.path(), "DATA/FA.bmp", bmpBytes(solid(15, 6, Blue)));
    const QImage page = render({"htmlgump", "5", "10", "50", "21", "1", "1", "A"});
    EXPECT_EQ(page.pixel(38, 15), Grey);     // the background's last column
    EXPECT_EQ(page.pixel(39, 10), Yellow);   // the room's free column
    EXPECT_EQ(page.pixel(40, 10), Blue);
    EXPECT_EQ(page.pixel(54, 15), Blue);
    EXPECT_EQ(page.pixel(54, 16), Yellow);   // below the arrow no other piece is there

    // Art wider than the room widens it rather than cover the text.
    SyntheticArt::writeFile(dir.path(), "DATA/FC.bmp", bmpBytes(solid(30, 6, Green)));
    renderer.forgetCache();
    const QImage wide = render({"htmlgump", "5", "10", "50", "21", "0", "1", "<DIV ALIGN=RIGHT>A</DIV>"});
    EXPECT_EQ(wide.pixel(22, 16), Black);    // text area 0 … 19: body at 16 … 18, from x 5
    EXPECT_EQ(wide.pixel(30, 30), Green);    // the down arrow, 30 wide at the right
}
