#include "document/Document.h"
#include "support/FileFixtures.h"
#include "support/SyntheticArt.h"
#include "support/SyntheticFont.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using FileFixtures::writeFile;
using SyntheticArt::bmpBytes;
using SyntheticArt::solid;

namespace {

constexpr QRgb Red = 0xFFFF0000u;
constexpr QRgb Blue = 0xFF0000FFu;
constexpr QRgb White = 0xFFFFFFFFu;
constexpr QRgb Black = 0xFF000000u;
constexpr QRgb NearBlack = 0xFF101021u;
constexpr QRgb Lime = 0xFF00FF00u;

struct ProgramResult {
    int status = -1;
    QByteArray out, err;
};

// A data directory with a red picture 1F4.bmp (10 × 10, black at (5, 5)), a
// blue one B.bmp, a hue library giving 95 red, and a font whose one glyph
// "A" has its body at columns 1-3, rows 4-10. The design has a picture on
// page 0 at 20,20 and on page 2 a picture at 60,20 and the text "A" at 100,20.
class ScriptRenderCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        root = dir.path() + "/";
        QImage red = solid(10, 10, Red);
        red.setPixel(5, 5, Black);
        writeFile(root + "DATA/1F4.bmp", bmpBytes(red));
        writeFile(root + "DATA/B.bmp", bmpBytes(solid(10, 10, Blue)));
        writeFile(root + "ColorLibary.INI", "[NORMALS]\r\nTOTAL=1\r\n[1]\r\nCOLOR=clRed\r\nSPHERE=95\r\n");
        writeFile(root + "UO0.CORE", SyntheticFont::fileBytes({SyntheticFont::glyph(
                                          "A.BMP", "5", SyntheticFont::boxRows(1, 4, 3, 10))}));
        Document::saveProjectFile(root + "design.SDF",
                                  {"{BOP", "0", "gumppic", "20", "20", "1F4.bmp", "}EOP", "{BOP", "2", "gumppic",
                                   "60", "20", "B.bmp", "text", "100", "20", "95", "A", "}EOP"});
    }

    ProgramResult run(const QStringList &args)
    {
        QProcess p;
        p.setWorkingDirectory(root);
        p.start(QStringLiteral(QUILLMARK_SCRIPT_BINARY), args);
        EXPECT_TRUE(p.waitForFinished(30000));
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
                p.readAllStandardError()};
    }

    QImage picture(const QString &name) const { return QImage(root + name); }

    QTemporaryDir dir;
    QString root;
};

} // namespace

TEST_F(ScriptRenderCommandTest, DrawsThePageAndListsItsEntries)
{
    const ProgramResult r = run({"render", "design.SDF", "--page", "2", "--out", "p2.png"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    EXPECT_EQ(r.out, "Gumppic at 60 20 Useing 11\nText at 100 20 Saying A\n");
    const QImage page = picture("p2.png");
    ASSERT_EQ(page.size(), QSize(548, 400));
    EXPECT_EQ(page.pixel(0, 0), Black);
    EXPECT_EQ(page.pixel(1, 1), White);
    EXPECT_EQ(page.pixel(21, 21), Red);        // page 0 beneath
    EXPECT_EQ(page.pixel(25, 25), White);      // its black is see-through
    EXPECT_EQ(page.pixel(61, 21), Blue);
    EXPECT_EQ(page.pixel(102, 26), Red);       // text in hue 95
    EXPECT_EQ(page.pixel(101, 21), White);     // the text's paper

    // The list's bytes are those of the design file: 8-bit, or UTF-8 behind its head.
    const struct { QByteArray file; QByteArray listed; } rows[] = {
        {"{BOP\r\n0\r\ntext\r\n1\r\n2\r\n0\r\nCaf\xE9\r\n}EOP\r\n", "Text at 1 2 Saying Caf\xE9\n"},
        {"QUILLMARK 2 UTF-8: letters past the 8-bit set; older versions misread this design\r\n{BOP\r\n0\r\ntext\r\n1\r\n"
         "2\r\n0\r\nKap\xC4\xB1\r\n}EOP\r\n",
         "Text at 1 2 Saying Kap\xC4\xB1\n"},
    };
    for (const auto &row : rows) {
        FileFixtures::writeFile(root + "letters.SDF", row.file);
        EXPECT_EQ(run({"render", "letters.SDF", "--out", "l.png"}).out, row.listed);
    }
}

TEST_F(ScriptRenderCommandTest, OptionsAndSettingsShapeThePicture)
{
    writeFile(root + "look.INI", "[Realtime Engine]\r\nTransparent=0\r\nBackground=clBlue\r\nSelection=clBlack\r\n");
    const ProgramResult r = run({"render", root + "design.SDF", "--page=2", "--out", root + "p.png", "--no-page0",
                                 "--size", "120x80", "--scroll", "50,10", "--select", "10", "--settings",
                                 root + "look.INI", "--data", root});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    const QImage page = picture("p.png");
    ASSERT_EQ(page.size(), QSize(120, 80));
    EXPECT_EQ(page.pixel(1, 1), Blue);
    // The picture of page 2 at 60,20 now at 10,10, framed near-black, lime, near-black.
    EXPECT_EQ(page.pixel(10, 10), NearBlack);
    EXPECT_EQ(page.pixel(11, 11), NearBlack);   // black selection colour
    EXPECT_EQ(page.pixel(13, 13), Blue);
    // Without page 0 and with Transparent off the text still has see-through paper.
    EXPECT_EQ(page.pixel(51, 11), Blue);
    EXPECT_EQ(page.pixel(52, 16), Red);

    const ProgramResult lime = run({"render", "design.SDF", "--out", "p0.png", "--select", "3"});
    EXPECT_EQ(lime.out, "Gumppic at 20 20 Useing 500\n");
    EXPECT_EQ(picture("p0.png").pixel(21, 21), Lime);
    EXPECT_EQ(picture("p0.png").pixel(25, 25), White);
}

// A picture the library lacks draws nothing, unless --placeholders asks for the designer's frame.
TEST_F(ScriptRenderCommandTest, MissingArtIsFramedOnlyWithPlaceholders)
{
    Document::saveProjectFile(root + "gone.SDF", {"{BOP", "0", "gumppic", "20", "20", "2A.bmp", "}EOP"});
    const struct { QStringList extra; QRgb corner; } cases[] = {{{}, White}, {{"--placeholders"}, 0xFF606060u}};
    for (const auto &c : cases) {
        const ProgramResult r = run(QStringList{"render", "gone.SDF", "--out", "gone.png"} + c.extra);
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_EQ(picture("gone.png").pixel(20, 20), c.corner) << c.extra.join(u' ').toStdString();
        EXPECT_EQ(picture("gone.png").pixel(40, 40), White);
    }
}

TEST_F(ScriptRenderCommandTest, MalformedRecordsAreWarnedAboutAndTheRestDrawn)
{
    Document::saveProjectFile(root + "bad.SDF", {"{BOP", "0", "gumppic", "x", "20", "B.bmp", "gumppic", "20",
                                                 "20", "1F4.bmp", "text", "1"});
    const ProgramResult r = run({"render", "bad.SDF", "--out", "bad.png"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Gumppic at x 20 Useing B\nGumppic at 20 20 Useing 500\nText at 1  Saying \n");
    EXPECT_TRUE(r.err.contains("warning: gumppic at line 3 not drawn: 'x' is not a valid integer value"))
        << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("warning: text at line 11 not drawn")) << r.err.toStdString();
    EXPECT_EQ(picture("bad.png").pixel(21, 21), Red);
}

TEST_F(ScriptRenderCommandTest, BadInputFailsWithTheMessageOnStandardError)
{
    struct Case {
        QStringList args;
        int status;
        QByteArray message;
    };
    writeFile(root + "skip.INI", "[Ruler]\r\nSKIP=wide\r\n");
    const std::vector<Case> cases{
        {{"render", "missing.SDF", "--out", "x.png"}, 1, "Cannot open file missing.SDF"},
        {{"render", "design.SDF", "--out", "no/such/dir/x.png"}, 1, "Cannot create file no/such/dir/x.png"},
        {{"render", "design.SDF", "--out", "x.png", "--settings", "none.INI"}, 1, "Cannot open file none.INI"},
        {{"render", "design.SDF"}, 2, "missing --out"},
        {{"render", "design.SDF", "--out", "x.png", "--size", "0x10"}, 2, "--size needs WxH"},
        {{"render", "design.SDF", "--out", "x.png", "--size", "9000x10"}, 2, "--size needs WxH"},
        {{"render", "design.SDF", "--out", "x.png", "--scroll", "401,0"}, 2, "--scroll needs X,Y"},
        {{"render", "design.SDF", "--out", "x.png", "--page", "two"}, 2, "--page needs a whole number"},
        {{"render", "design.SDF", "--out", "x.png", "--select", "4"}, 2, "--select 4: no element record"},
        {{"render", "design.SDF", "--out", "x.png", "--select", "0"}, 2, "--select needs a line number"},
        {{"render", "--out", "x.png"}, 2, "exactly one design file"},
    };
    for (const Case &c : cases) {
        const ProgramResult r = run(c.args);
        EXPECT_EQ(r.status, c.status) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(c.message)) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << c.args.join(' ').toStdString();
    }
    EXPECT_FALSE(QFile::exists(root + "x.png"));

    // A ruler spacing that is not a number is named and its default used.
    const ProgramResult skip = run({"render", "design.SDF", "--out", "skip.png", "--settings", "skip.INI"});
    EXPECT_EQ(skip.status, 0);
    EXPECT_TRUE(skip.err.contains("warning: skip.INI: 'wide' is not a valid integer value")) << skip.err.toStdString();
    EXPECT_TRUE(QFile::exists(root + "skip.png"));
}

// The list keeps the blocks' nesting; --branches picks what is drawn (the
// red picture of the IF, or the blue one of the ELSE) and bad choices are usage errors.
TEST_F(ScriptRenderCommandTest, BranchesChooseWhatIsDrawnAndTheListShowsTheNesting)
{
    Document::saveProjectFile(root + "logic.SDF",
                              {"{BOP", "0", "script", "IF <src.isgm>", "gumppic", "20", "20", "1F4.bmp", "script",
                               "ELSE", "gumppic", "20", "20", "B.bmp", "script", "ENDIF", "}EOP"});
    struct Row { QStringList options; QByteArray listing; QRgb pixel; int status; };
    const Row rows[] = {
        {{}, "IF <src.isgm>\n  Gumppic at 20 20 Useing 500\nELSE\n  Gumppic at 20 20 Useing 11 (branch not shown)\nENDIF\n",
         Red, 0},
        {{"--branches", "1"}, "IF <src.isgm>\n  Gumppic at 20 20 Useing 500 (branch not shown)\nELSE\n  Gumppic at 20 20 Useing 11\nENDIF\n",
         Blue, 0},
        {{"--branches", "all"}, "IF <src.isgm>\n  Gumppic at 20 20 Useing 500\nELSE\n  Gumppic at 20 20 Useing 11\nENDIF\n",
         Blue, 0},
        {{"--branches", "else"}, "", 0, 2},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.options.join(' ').toStdString());
        QFile::remove(root + "logic.png");
        const ProgramResult r = run(QStringList{"render", "logic.SDF", "--out", "logic.png"} + row.options);
        EXPECT_EQ(r.status, row.status) << r.err.toStdString();
        if (row.status != 0)
            continue;
        EXPECT_EQ(r.out, row.listing);
        EXPECT_EQ(picture("logic.png").pixel(22, 22), row.pixel);
    }
}
