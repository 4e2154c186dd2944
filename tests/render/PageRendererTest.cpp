#include "assets/HueLibrary.h"
#include "render/CacheKey.h"
#include "render/PageRenderer.h"
#include "render/RenderCache.h"
#include "render/SelectionFrame.h"
#include "support/SyntheticArt.h"
#include "support/SyntheticFont.h"
#include "support/TextFiles.h"

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

using SyntheticArt::bmpBytes;
using SyntheticArt::solid;

namespace {

// Lists compared as standard strings, so a failure shows the texts.
std::vector<std::string> texts(const QStringList &list)
{
    std::vector<std::string> out;
    for (const QString &s : list)
        out.push_back(s.toStdString());
    return out;
}

constexpr QRgb Red = 0xFFFF0000u;
constexpr QRgb Blue = 0xFF0000FFu;
constexpr QRgb Green = 0xFF00FF00u;     // also the default selection colour, lime
constexpr QRgb Yellow = 0xFFFFFF00u;
constexpr QRgb Black = 0xFF000000u;
constexpr QRgb NearBlack = 0xFF101021u; // colour value 0x211010
constexpr ColorValue YellowValue = 0x00FFFF;

QStringList gumppic(int x, int y, const QString &file)
{
    return {"gumppic", QString::number(x), QString::number(y), file};
}
QStringList button(int x, int y, const QString &file) { return {"button", QString::number(x), QString::number(y), file, "1", "0", "0", ""}; }
QStringList resizepic(int x, int y, const QString &w, const QString &h)
{
    return {"resizepic", QString::number(x), QString::number(y), "9200.bmp", w, h};
}
QStringList text(int x, int y, const QString &hue, const QString &t)
{
    return {"text", QString::number(x), QString::number(y), hue, t};
}

QStringList page(const QString &number, const QList<QStringList> &records)
{
    QStringList lines{"{BOP", number};
    for (const QStringList &r : records)
        lines += r;
    return lines << "}EOP";
}

// Art of the tests, in AppDir:
//   1F4.bmp  10 × 10 red with a black pixel at (5, 5)
//   B.bmp    10 × 10 blue
//   buttons/ok.bmp  8 × 6 green
//   resizepic 9200: nine 4 × 4 pieces, all blue
// The hue library gives 95 red (entries 1 and 3 carry it; 3 says blue),
// 1152 the colour value 0x00A0B0C0. The font has one glyph, "A": advance 5,
// body at columns 1-3, rows 4-10, outline around it.
class PageRendererTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        appDir = dir.path() + u'/';
        QImage picture = solid(10, 10, Red);
        picture.setPixel(5, 5, Black);
        SyntheticArt::writeFile(dir.path(), "DATA/1F4.bmp", bmpBytes(picture));
        SyntheticArt::writeFile(dir.path(), "DATA/B.bmp", bmpBytes(solid(10, 10, Blue)));
        SyntheticArt::writeFile(dir.path(), "DATA/buttons/ok.bmp", bmpBytes(solid(8, 6, Green)));
        for (int k = 0; k < 9; ++k)
            SyntheticArt::writeFile(dir.path(), "DATA/resizepic/" + QString::number(k) + "9200.bm",
                                    bmpBytes(solid(4, 4, Blue)));
        writeTextFile(HueLibrary::pathIn(appDir),
                      "[NORMALS]\r\nTOTAL=3\r\n[1]\r\nCOLOR=clRed\r\nSPHERE=95\r\n"
                      "[2]\r\nCOLOR=$00a0b0c0\r\nSPHERE=1152\r\n[3]\r\nCOLOR=clBlue\r\nSPHERE=95\r\n");
        SyntheticArt::writeFile(dir.path(), "UO0.CORE",
                                SyntheticFont::fileBytes({SyntheticFont::glyph(
                                    "A.BMP", "5", SyntheticFont::boxRows(1, 4, 3, 10))}));
        renderer.setAppDir(appDir);
        ASSERT_TRUE(renderer.loadFont(appDir + "UO0.CORE"));
        options.canvasSize = QSize(200, 150);
        options.backgroundColor = YellowValue;
    }

    RenderResult render(const QStringList &lines) { return renderer.render(lines, options); }

    QTemporaryDir dir;
    QString appDir;
    PageRenderer renderer;
    RenderOptions options;
};

} // namespace

TEST_F(PageRendererTest, BackgroundInsideAOnePixelBlackFrame)
{
    const RenderResult r = render(page("0", {}));
    ASSERT_EQ(r.page.size(), QSize(200, 150));
    for (const QPoint p : {QPoint(0, 0), QPoint(199, 0), QPoint(0, 149), QPoint(199, 149), QPoint(100, 0),
                           QPoint(0, 70)})
        EXPECT_EQ(r.page.pixel(p), Black) << p.x() << "," << p.y();
    EXPECT_EQ(r.page.pixel(1, 1), Yellow);
    EXPECT_EQ(r.page.pixel(198, 148), Yellow);
    EXPECT_TRUE(r.selectEntries.isEmpty());
    EXPECT_TRUE(r.problems.isEmpty());
}

TEST_F(PageRendererTest, PageZeroLiesBeneathTheCurrentPageAndIsNotListed)
{
    const QStringList lines = page("0", {gumppic(20, 20, "1F4.bmp")}) + page("2", {gumppic(25, 25, "B.bmp")});
    options.page = "2";
    RenderResult r = render(lines);
    EXPECT_EQ(r.page.pixel(21, 21), Red);
    EXPECT_EQ(r.page.pixel(26, 26), Blue);   // page 2 on top
    EXPECT_EQ(texts(r.selectEntries), texts(QStringList{"Gumppic at 25 25 Useing 11"}));
    EXPECT_EQ(r.lineList, QList<int>{9});

    options.alwaysDrawPage0 = false;
    r = render(lines);
    EXPECT_EQ(r.page.pixel(21, 21), Yellow);
    EXPECT_EQ(r.page.pixel(26, 26), Blue);

    // Page box "0": page 0 drawn and listed whatever the page-0 mode.
    options.page = "0";
    r = render(lines);
    EXPECT_EQ(r.page.pixel(21, 21), Red);
    EXPECT_EQ(r.page.pixel(34, 34), Yellow);
    EXPECT_EQ(texts(r.selectEntries), texts(QStringList{"Gumppic at 20 20 Useing 500"}));
    EXPECT_EQ(r.lineList, QList<int>{2});
}

TEST_F(PageRendererTest, TwoBracketsOfOnePageAreBothDrawnAndListed)
{
    const QStringList lines = page("3", {gumppic(10, 10, "1F4.bmp")}) + page("0", {gumppic(50, 50, "B.bmp")})
                              + page("3", {gumppic(100, 10, "B.bmp")});
    options.page = "3";
    options.alwaysDrawPage0 = false;
    const RenderResult r = render(lines);
    EXPECT_EQ(r.page.pixel(11, 11), Red);
    EXPECT_EQ(r.page.pixel(101, 11), Blue);
    EXPECT_EQ(r.page.pixel(51, 51), Yellow);
    EXPECT_EQ(texts(r.selectEntries), texts(QStringList({"Gumppic at 10 10 Useing 500", "Gumppic at 100 10 Useing 11"})));
    EXPECT_EQ(r.lineList, QList<int>({2, 16}));
}

TEST_F(PageRendererTest, ScrollOffsetsMoveEveryElement)
{
    options.scrollX = 100;
    options.scrollY = 10;
    const RenderResult r = render(page("0", {gumppic(120, 40, "B.bmp"), gumppic(95, 60, "1F4.bmp")}));
    EXPECT_EQ(r.page.pixel(20, 30), Blue);
    EXPECT_EQ(r.page.pixel(29, 39), Blue);
    EXPECT_EQ(r.page.pixel(19, 30), Yellow);
    EXPECT_EQ(r.page.pixel(30, 40), Yellow);
    // X 95 lies partly off the left edge: its last five columns show (over the frame too).
    EXPECT_EQ(r.page.pixel(0, 52), Red);
    EXPECT_EQ(r.page.pixel(4, 52), Red);
    EXPECT_EQ(r.page.pixel(5, 52), Yellow);
    // The select list keeps the lines as they stand.
    EXPECT_EQ(r.selectEntries[0], "Gumppic at 120 40 Useing 11");
}

TEST_F(PageRendererTest, HiddenKindsAreNeitherDrawnNorListed)
{
    const QStringList lines = page("0", {resizepic(10, 10, "20", "20"), gumppic(40, 10, "B.bmp"),
                                         button(60, 10, "ok.bmp"), text(80, 10, "95", "A")});
    RenderResult r = render(lines);
    ASSERT_EQ(r.selectEntries.size(), 4);
    EXPECT_EQ(r.page.pixel(15, 15), Blue);
    EXPECT_EQ(r.page.pixel(61, 11), Green);
    EXPECT_EQ(r.page.pixel(82, 16), Red);

    options.showResizepics = false;
    options.showText = false;
    r = render(lines);
    EXPECT_EQ(texts(r.selectEntries), texts(QStringList({"Gumppic at 40 10 Useing 11", "Button at 60 10 Useing ok"})));
    EXPECT_EQ(r.lineList, QList<int>({8, 12}));
    EXPECT_EQ(r.page.pixel(15, 15), Yellow);
    EXPECT_EQ(r.page.pixel(82, 16), Yellow);
    EXPECT_EQ(r.page.pixel(41, 11), Blue);

    options.showResizepics = options.showText = true;
    options.showGumppics = options.showButtons = false;
    r = render(lines);
    EXPECT_EQ(r.lineList, QList<int>({2, 20}));
    EXPECT_EQ(r.page.pixel(41, 11), Yellow);
    EXPECT_EQ(r.page.pixel(61, 11), Yellow);
}

TEST_F(PageRendererTest, SelectListEntriesOfEachKind)
{
    const QStringList lines = page("0", {resizepic(0, 0, "30", "20"), {"gumppic", "007", "30", "1F4.bmp"},
                                         button(3, 4, "ok.bmp"), text(1, 2, "95", "12345678"),
                                         text(1, 2, "95", "123456789"), text(5, 6, "0", "")});
    const RenderResult r = render(lines);
    EXPECT_EQ(texts(r.selectEntries), texts(QStringList({"Resizepic at 0 0 Useing 9200", "Gumppic at 007 30 Useing 500",
                                            "Button at 3 4 Useing ok", "Text at 1 2 Saying 12345678",
                                            "Text at 1 2 Saying 12345678...", "Text at 5 6 Saying "})));
    EXPECT_EQ(r.lineList, QList<int>({2, 8, 12, 20, 25, 30}));
    EXPECT_EQ(r.page.pixel(7, 30), Red);
}

TEST_F(PageRendererTest, SelectionFrameColoursAndTheCachedImageStaysClean)
{
    const QStringList lines = page("0", {gumppic(20, 20, "B.bmp")});
    options.selectedLine = 2;
    RenderResult r = render(lines);
    EXPECT_EQ(r.page.pixel(20, 20), NearBlack);
    EXPECT_EQ(r.page.pixel(29, 29), NearBlack);
    EXPECT_EQ(r.page.pixel(21, 21), Green);
    EXPECT_EQ(r.page.pixel(28, 25), Green);
    EXPECT_EQ(r.page.pixel(22, 22), NearBlack);
    EXPECT_EQ(r.page.pixel(27, 24), NearBlack);
    EXPECT_EQ(r.page.pixel(23, 23), Blue);

    options.blackColorBlack = false;   // "All Selection Color"
    options.selectionColor = 0x0000FF; // red
    r = render(lines);
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(r.page.pixel(20 + k, 20 + k), Red) << k;
    EXPECT_EQ(r.page.pixel(23, 23), Blue);

    // Black would vanish where black is see-through: it is drawn near-black.
    options.selectionColor = 0;
    r = render(lines);
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(r.page.pixel(20 + k, 20 + k), NearBlack) << k;

    const auto cached = renderer.imageCache().lookup(CacheKey::gumppic("B.bmp"));
    ASSERT_TRUE(cached);
    EXPECT_EQ(cached->bitmap.image().pixel(0, 0), Blue);
    EXPECT_EQ(cached->bitmap.seeThrough().pixel(1, 1), Blue);

    options.highlightSelected = false;
    EXPECT_EQ(render(lines).page.pixel(20, 20), Blue);
    options.highlightSelected = true;
    options.selectedLine = 0;
    EXPECT_EQ(render(lines).page.pixel(20, 20), Blue);
}

TEST_F(PageRendererTest, TextTakesTheColourOfTheFirstEntryOfItsHue)
{
    // Glyph A at X: outline column X, body X+1 … X+3 on rows Y+4 … Y+10, paper elsewhere.
    const QStringList lines = page("0", {text(10, 10, "95", "A"), text(30, 10, "1152", "A"), text(50, 10, "7", "A")});
    options.transparent = false;   // text paper is see-through all the same
    const RenderResult r = render(lines);
    EXPECT_EQ(r.page.pixel(12, 16), Red);          // entry 1, not entry 3's blue
    EXPECT_EQ(r.page.pixel(32, 16), 0xFFC0B0A0u);  // colour value 0x00A0B0C0
    EXPECT_EQ(r.page.pixel(52, 16), Black);        // hue in no entry
    EXPECT_EQ(r.page.pixel(10, 16), NearBlack);    // outline
    EXPECT_EQ(r.page.pixel(11, 11), Yellow);       // paper
    EXPECT_TRUE(renderer.imageCache().lookup(CacheKey::text("95", "A")));
    EXPECT_TRUE(renderer.imageCache().lookup(CacheKey::text("1152", "A")));
}

TEST_F(PageRendererTest, TextWhoseHueColourIsNoColourIsNamedAndNotCached)
{
    writeTextFile(HueLibrary::pathIn(appDir), "[NORMALS]\r\nTOTAL=1\r\n[1]\r\nCOLOR=mauve\r\nSPHERE=95\r\n");
    renderer.rebuildTextIndex();
    const RenderResult r = render(page("0", {text(10, 10, "95", "A"), text(30, 10, "7", "A")}));
    EXPECT_EQ(texts(r.problems), texts({"text at line 3 not drawn: 'mauve' is not a valid integer value"}));
    // Still listed, so it can be selected and mended.
    EXPECT_EQ(texts(r.selectEntries), texts({"Text at 10 10 Saying A", "Text at 30 10 Saying A"}));
    EXPECT_EQ(r.page.pixel(32, 16), Black);
    EXPECT_FALSE(renderer.imageCache().lookup(CacheKey::text("95", "A")));
}

TEST_F(PageRendererTest, ArtIsSeeThroughExactlyWhenTransparentIsOn)
{
    const QStringList lines = page("0", {gumppic(20, 20, "1F4.bmp")});
    EXPECT_EQ(render(lines).page.pixel(25, 25), Yellow);
    options.transparent = false;
    EXPECT_EQ(render(lines).page.pixel(25, 25), Black);
    EXPECT_EQ(render(lines).page.pixel(24, 25), Red);
}

TEST_F(PageRendererTest, DraggedElementGoesToTheDragImageOnly)
{
    const QStringList lines = page("0", {gumppic(20, 20, "1F4.bmp"), gumppic(60, 20, "B.bmp")});
    options.dragging = true;
    options.selectedLine = 2;
    RenderResult r = render(lines);
    EXPECT_EQ(r.page.pixel(21, 21), Yellow);
    EXPECT_EQ(r.page.pixel(61, 21), Blue);
    ASSERT_EQ(r.dragImage.size(), QSize(10, 10));
    EXPECT_EQ(r.dragImage.pixel(0, 0), Red);   // no selection frame
    EXPECT_EQ(qAlpha(r.dragImage.pixel(5, 5)), 0);
    EXPECT_EQ(r.selectEntries.size(), 2);

    options.transparent = false;
    r = render(lines);
    EXPECT_EQ(r.dragImage.pixel(5, 5), Black);
}

TEST_F(PageRendererTest, MalformedRecordsAreSkippedAndNamedWhileTheRestIsDrawn)
{
    const QStringList lines = page("0", {{"gumppic", "abc", "10", "B.bmp"},
                                         resizepic(10, 10, "30", "x"),
                                         gumppic(10, 10, "zz.bmp"),
                                         {"text", "1", "", "95", "A"},
                                         gumppic(60, 20, "B.bmp")})
                              + QStringList{"{BOP", "0", "gumppic", "100", "100", "1F4.bmp", "text", "5"};
    const RenderResult r = render(lines);
    EXPECT_EQ(r.page.pixel(61, 21), Blue);
    EXPECT_EQ(r.page.pixel(101, 101), Red);   // a bracket without "}EOP"
    EXPECT_EQ(r.page.pixel(15, 15), Yellow);
    // Records that cannot be drawn stay listed with their lines as they stand,
    // so the user can select them to mend or remove them.
    EXPECT_EQ(texts(r.selectEntries), texts(QStringList({"Gumppic at abc 10 Useing B", "Resizepic at 10 10 Useing 9200",
                                                         "Gumppic at 10 10 Useing zz", "Text at 1  Saying A",
                                                         "Gumppic at 60 20 Useing 11", "Gumppic at 100 100 Useing 500",
                                                         "Text at 5  Saying "})));
    EXPECT_EQ(r.lineList, QList<int>({2, 6, 12, 16, 21, 28, 32}));
    EXPECT_EQ(texts(r.problems), texts(QStringList({"gumppic at line 3 not drawn: 'abc' is not a valid integer value",
                           "resizepic at line 7 not drawn: 'x' is not a valid integer value",
                           "text at line 17 not drawn: '' is not a valid integer value",
                           "text at line 33 not drawn: the record is cut short by the end of the design"})));
    EXPECT_EQ(r.problemLines, QList<int>({3, 7, 17, 33}));
}

TEST_F(PageRendererTest, ARecordCutShortIsNamedAndThePageAfterItIsDrawn)
{
    options.page = QStringLiteral("1");
    const QStringList lines{"{BOP", "0", "button", "1", "2", "ok.bmp", "1", "0", "}EOP",
                            "{BOP", "1", "gumppic", "60", "20", "B.bmp", "}EOP"};
    const RenderResult r = render(lines);
    EXPECT_EQ(r.page.pixel(61, 21), Blue);
    EXPECT_EQ(r.lineList, QList<int>({11}));
    EXPECT_EQ(texts(r.problems), texts({"button at line 3 not drawn: the record is cut short at line 9"}));
    EXPECT_EQ(r.problemLines, QList<int>({3}));
}

TEST_F(PageRendererTest, AGumppicWhoseNameIsNotHexadecimalIsDrawnFromItsFile)
{
    SyntheticArt::writeFile(appDir, "DATA/Logo.bmp", SyntheticArt::bmpBytes(SyntheticArt::solid(4, 4, Blue)));
    const RenderResult r = render(page("0", {gumppic(30, 30, "Logo.bmp")}));
    EXPECT_EQ(r.page.pixel(31, 31), Blue);
    EXPECT_TRUE(r.problems.isEmpty());
    EXPECT_EQ(texts(r.selectEntries), texts({"Gumppic at 30 30 Useing Logo"}));
}

TEST_F(PageRendererTest, ExtremePositionsAndSizesDrawWhatFits)
{
    options.scrollX = 400;
    options.scrollY = 400;
    const QStringList lines = page("0", {gumppic(2147483647, 2147483647, "B.bmp"),
                                         gumppic(-2147483647 - 1, -2147483647 - 1, "B.bmp"),
                                         resizepic(400, 400, "0", "0"), resizepic(400, 400, "100000", "-5"),
                                         resizepic(400, 440, "100000", "100000"), gumppic(410, 410, "1F4.bmp")});
    const RenderResult r = render(lines);
    EXPECT_TRUE(r.problems.isEmpty());
    EXPECT_EQ(r.selectEntries.size(), 6);
    // Boxes end where int coordinates end, and keep their corner and size otherwise.
    ASSERT_EQ(r.boxes.size(), 6);
    const int far = 2147483647;
    EXPECT_EQ(r.boxes[0], QRect(QPoint(far, far), QPoint(far, far)));
    EXPECT_EQ(r.boxes[1].topLeft(), QPoint(-far - 1, -far - 1));
    EXPECT_EQ(r.boxes[1].size(), r.boxes[5].size());
    EXPECT_EQ(r.page.pixel(11, 11), Red);
    EXPECT_EQ(r.page.pixel(100, 100), Blue);   // the capped background fills the rest
    EXPECT_EQ(r.page.pixel(30, 30), Yellow);
    // Only the part on the canvas was composed, and a part is not kept.
    EXPECT_FALSE(renderer.imageCache().lookup(CacheKey::resizepic("100000", "100000", "9200.bmp")));
}

TEST_F(PageRendererTest, OfALargeBackgroundOnlyThePartOnTheCanvasIsComposed)
{
    // Pieces of their own sizes and colours, so any misplaced pixel shows.
    for (int k = 0; k < 9; ++k) {
        QImage piece = solid(3 + k, 2 + k, 0xFF000000u | (0x1C2A38u * quint32(k + 1) & 0xFFFFFFu));
        piece.setPixel(1, 1, 0xFFFFFFFFu);
        SyntheticArt::writeFile(dir.path(), "DATA/resizepic/" + QString::number(k) + "9300.bm", bmpBytes(piece));
    }
    const QImage whole = ArtStore(appDir).resizepic("9300.bmp", 2000, 1500);
    const SelectionFrame::Colors frame = SelectionFrame::colorsFor(options.blackColorBlack, options.selectionColor);
    options.transparent = false;
    const struct { int x, y, scrollX, scrollY; } placements[] = {
        {900, 1950, 1000, 2000},   // covers the canvas, its corner far up and left
        {50, 40, 0, 0},            // runs past the right and bottom
        {-1900, -1400, 0, 0},      // only its bottom right corner shows
    };
    for (const auto &p : placements) {
        options.scrollX = p.scrollX;
        options.scrollY = p.scrollY;
        const QStringList lines = page("0", {{"resizepic", QString::number(p.x), QString::number(p.y), "9300.bmp",
                                              "2000", "1500"}});
        for (const bool selected : {false, true}) {
            options.selectedLine = selected ? 2 : 0;
            QImage expected(options.canvasSize, QImage::Format_RGB32);
            expected.fill(Yellow);
            QPainter painter(&expected);
            painter.setPen(Black);
            painter.drawRect(0, 0, expected.width() - 1, expected.height() - 1);
            painter.drawImage(p.x - p.scrollX, p.y - p.scrollY, selected ? SelectionFrame::framed(whole, frame) : whole);
            painter.end();
            EXPECT_EQ(render(lines).page, expected) << p.x << "," << p.y << (selected ? " selected" : "");
            EXPECT_EQ(renderer.imageCache().bytesHeld(), 0);
        }
    }
}

TEST_F(PageRendererTest, CanvasSizeIsBounded)
{
    options.canvasSize = QSize(0, -3);
    EXPECT_EQ(render(page("0", {})).page.size(), QSize(1, 1));
    options.canvasSize = QSize(100000, 2);
    EXPECT_EQ(render(page("0", {})).page.size(), QSize(PageRenderer::MaxCanvasSide, 2));
}

TEST_F(PageRendererTest, LocationAndMiscLinesAreTheLastOnesOutsideRecords)
{
    const QStringList lines = page("0", {text(1, 1, "0", "LOCATION")}) + QStringList{"LOCATION", "5", "5"}
                              + QStringList{"MISC", "0", "1"} + QStringList{"LOCATION", "6", "6"};
    const RenderResult r = render(lines);
    EXPECT_EQ(r.locationLine, 14);
    EXPECT_EQ(r.miscLine, 11);
    EXPECT_EQ(render(page("0", {})).locationLine, -1);
}

TEST_F(PageRendererTest, CachedImagesOutliveTheirFilesUntilForgotten)
{
    const QStringList lines = page("0", {gumppic(20, 20, "B.bmp")});
    render(lines);
    ASSERT_TRUE(QFile::remove(appDir + "DATA/B.bmp"));
    EXPECT_EQ(render(lines).page.pixel(21, 21), Blue);
    options.cacheImages = false;
    EXPECT_EQ(render(lines).page.pixel(21, 21), Yellow);
    options.cacheImages = true;
    renderer.forgetCache();
    EXPECT_EQ(render(lines).page.pixel(21, 21), Yellow);
}

TEST_F(PageRendererTest, AnotherDataFolderDrawsItsOwnPictureOfTheSameName)
{
    const QStringList lines = page("0", {gumppic(20, 20, "B.bmp")});
    ASSERT_EQ(render(lines).page.pixel(21, 21), Blue);
    QTemporaryDir other;
    SyntheticArt::writeFile(other.path(), "DATA/B.bmp", bmpBytes(solid(10, 10, Green)));
    renderer.setAppDir(other.path() + u'/');
    EXPECT_EQ(render(lines).page.pixel(21, 21), Green);
}

// A background partly off the canvas is composed afresh at each render (its
// part moves with every scroll); its pieces are read once and held as the
// cached images are, until the cache is cleaned up or forgotten.
TEST_F(PageRendererTest, ThePiecesOfAPartlyShownBackgroundAreReadOnceUntilForgotten)
{
    const QStringList lines = page("0", {resizepic(150, 100, "300", "200")});   // runs past the 200 × 150 canvas
    const auto removePieces = [this] {
        for (int k = 0; k < 9; ++k)
            ASSERT_TRUE(QFile::remove(appDir + "DATA/resizepic/" + QString::number(k) + "9200.bm"));
    };
    const struct { const char *what; std::function<void()> between; QRgb expected; } steps[] = {
        {"first render", [] {}, Blue},
        {"files gone, pieces held", removePieces, Blue},
        {"after the clean-up timer", [this, &lines] { renderer.cleanUpCache(lines); }, Yellow},
    };
    for (const auto &step : steps) {
        step.between();
        const RenderResult r = render(lines);
        EXPECT_EQ(r.page.pixel(160, 110), step.expected) << step.what;
        EXPECT_EQ(renderer.imageCache().bytesHeld(), 0) << step.what;   // the part itself is not kept
    }
    // Without the image cache nothing is held: a piece written anew shows at once.
    SyntheticArt::writeFile(dir.path(), "DATA/resizepic/49200.bm", bmpBytes(solid(4, 4, Green)));
    options.cacheImages = false;
    EXPECT_EQ(render(lines).page.pixel(160, 110), Green);
}

TEST_F(PageRendererTest, ElementBitmapForPicking)
{
    const QStringList lines = page("0", {text(1, 1, "95", "AA"), gumppic(1, 1, "x.bmp"), button(0, 0, "ok.bmp")});
    EXPECT_EQ(renderer.elementBitmap(lines, 2, options).image().size(), QSize(10, TextConverter::Height));
    EXPECT_TRUE(renderer.elementBitmap(lines, 7, options).isEmpty());   // no such art
    EXPECT_EQ(renderer.elementBitmap(lines, 11, options).image().size(), QSize(8, 6));
    EXPECT_TRUE(renderer.elementBitmap(lines, 12, options).isEmpty());
}

TEST(RenderCache, RemembersTheDocumentLineByLine)
{
    RenderCache cache;
    const QStringList lines{"{BOP", "0", "button", "1", "2", "ok.bmp", "0", "0", "1", "a\r\nb", "}EOP"};
    EXPECT_FALSE(cache.isUnchanged(lines));
    cache.remember(lines);
    QStringList same = lines;
    same.detach();
    EXPECT_TRUE(cache.isUnchanged(same));
    // Joined, these two read alike; as lines they differ.
    QStringList split = lines;
    split.replace(9, "a");
    split.insert(10, "b");
    EXPECT_FALSE(cache.isUnchanged(split));
    cache.clear();
    EXPECT_FALSE(cache.isUnchanged(lines));
}

// Art the library lacks: nothing unless placeholders are asked for, then a
// thin frame of the element's size (a small square without one), see-through
// inside, which picking takes whole.
TEST_F(PageRendererTest, MissingArtIsAFrameOnlyWhenAsked)
{
    constexpr QRgb Frame = 0xFF606060u;
    const struct
    {
        const char *what;
        QStringList record;
        QSize box;
    } cases[] = {
        {"gumppic", gumppic(20, 30, "2A.bmp"), QSize(44, 44)},
        {"button", button(20, 30, "gone.bmp"), QSize(44, 44)},
        {"resizepic", {"resizepic", "20", "30", "5000.bmp", "60", "50"}, QSize(60, 50)},
    };
    for (const auto &c : cases) {
        options.placeholders = false;
        const RenderResult plain = render(page("0", {c.record}));
        EXPECT_EQ(plain.page.pixel(20, 30), Yellow) << c.what;

        options.placeholders = true;
        const RenderResult framed = render(page("0", {c.record}));
        const QPoint corner(20, 30), far = corner + QPoint(c.box.width() - 1, c.box.height() - 1);
        EXPECT_EQ(framed.page.pixel(corner), Frame) << c.what;
        EXPECT_EQ(framed.page.pixel(far), Frame) << c.what;
        EXPECT_EQ(framed.page.pixel(far + QPoint(1, 1)), Yellow) << c.what;
        EXPECT_EQ(framed.page.pixel(corner + QPoint(c.box.width() / 2, c.box.height() - 3)), Yellow) << c.what;
        ASSERT_EQ(framed.boxes.size(), 1) << c.what;
        EXPECT_EQ(framed.boxes.first(), QRect(corner, c.box)) << c.what;
        EXPECT_TRUE(renderer.elementBitmap(page("0", {c.record}), 2, options).isPlaceholder()) << c.what;
    }
    // Art that is there is drawn as always.
    options.placeholders = true;
    EXPECT_EQ(render(page("0", {gumppic(20, 30, "B.bmp")})).page.pixel(21, 31), Blue);
}
