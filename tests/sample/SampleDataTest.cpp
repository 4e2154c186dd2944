#include "document/Document.h"
#include "platform/ColorText.h"
#include "platform/IniFile.h"
#include "platform/NumberText.h"
#include "platform/PathResolver.h"
#include "sphere/ArtCatalog.h"
#include "sphere/DesignCheck.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

struct RunResult
{
    int exitCode = -1;
    QString errors;
};

RunResult runGenerator(const QStringList &args)
{
    QProcess process;
    process.start(QStringLiteral(MAKE_SAMPLE_DATA_PATH), args);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardError())};
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The font file, unpacked: names, pictures and width texts.
struct FontFile
{
    static constexpr int Columns = 22, Rows = 21;
    struct Glyph
    {
        QByteArray name;
        QByteArray picture;
        int width = 0;
        char at(int c, int r) const { return picture[c * Rows + r]; }
    };
    QList<Glyph> glyphs;
    int count = 0;

    static FontFile parse(const QByteArray &bytes)
    {
        FontFile font;
        const auto byte = [&bytes](qsizetype i) { return quint8(bytes.at(i)); };
        font.count = int(byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24);
        qsizetype at = 4;
        for (int i = 0; i < font.count; ++i) {
            Glyph g;
            g.name = bytes.mid(at + 3, byte(at + 2));
            g.picture = bytes.mid(at + 62, Columns * Rows);
            font.glyphs.append(g);
            at += 524;
        }
        for (int i = 0; i < font.count; ++i) {
            font.glyphs[i].width = bytes.mid(at + 1, byte(at)).toInt();
            at += 9;
        }
        return font;
    }

    // The converter's name for a character, and whether it is drawn lowered.
    static QByteArray nameOf(char c)
    {
        switch (c) {
        case '<': return "ALEFT.BMP";
        case '>': return "AIGHT.BMP";
        case ':': return "COLEN.BMP";
        case '"': return "'D.BMP";
        case '.': return "PERIOD.BMP";
        case '?': return "QION.BMP";
        case '*': return "STAR.BMP";
        case '/': return "SLASH.BMP";
        case '\\': return "SLASH2.BMP";
        default: break;
        }
        if (c >= 'a' && c <= 'z')
            return "S" + QByteArray(1, c).toUpper() + ".BMP";
        return QByteArray(1, c) + ".BMP";
    }

    const Glyph *find(const QByteArray &name) const
    {
        for (const Glyph &g : glyphs)
            if (g.name.toUpper() == name.toUpper())
                return &g;
        return nullptr;
    }
};

// Mean colour distance between two pixel columns (or rows, with rows = true).
double lineDistance(const QImage &image, int a, int b, bool rows)
{
    const int n = rows ? image.width() : image.height();
    double sum = 0;
    for (int i = 0; i < n; ++i) {
        const QRgb p = rows ? image.pixel(i, a) : image.pixel(a, i);
        const QRgb q = rows ? image.pixel(i, b) : image.pixel(b, i);
        sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
    }
    return sum / n;
}

// The jump from the last line of a tile to the first of the next copy is no
// larger than jumps between neighbouring lines inside the tile.
void expectTiles(const QImage &tile, bool rows, const QString &what)
{
    const int n = rows ? tile.height() : tile.width();
    ASSERT_GE(n, 4) << what.toStdString();
    double inside = 0;
    for (int i = 0; i + 1 < n; ++i)
        inside = std::max(inside, lineDistance(tile, i, i + 1, rows));
    EXPECT_LE(lineDistance(tile, n - 1, 0, rows), inside + 1.0)
        << what.toStdString() << (rows ? " does not tile downwards" : " does not tile across");
}

bool hasPureBlack(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == 0)
                return true;
    return false;
}

class SampleDataTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_dir = std::make_unique<QTemporaryDir>();
        s_run = runGenerator({s_dir->path()});
    }
    static void TearDownTestSuite() { s_dir.reset(); }

    void SetUp() override
    {
        ASSERT_EQ(s_run.exitCode, 0) << s_run.errors.toStdString();
    }

    static QString path(const QString &relative) { return QDir(s_dir->path()).filePath(relative); }
    static QImage image(const QString &relative) { return QImage(path(relative), "BMP"); }

    static inline std::unique_ptr<QTemporaryDir> s_dir;
    static inline RunResult s_run;
};

TEST_F(SampleDataTest, PicturesAreNamedByHexGumpNumberAsTwentyFourBitBitmaps)
{
    const QStringList pictures = QDir(path("DATA")).entryList({"*.bmp"}, QDir::Files);
    EXPECT_GE(pictures.size(), 12);
    for (const QString &name : pictures) {
        bool ok = false;
        name.chopped(4).toUInt(&ok, 16);
        EXPECT_TRUE(ok) << name.toStdString();
        EXPECT_EQ(name.chopped(4), name.chopped(4).toUpper()) << "upper-case digits, as the import writes them";
        const QByteArray bytes = readAll(path("DATA/" + name));
        ASSERT_GT(bytes.size(), 54);
        EXPECT_EQ(bytes.left(2), QByteArray("BM"));
        EXPECT_EQ(quint8(bytes[28]), 24) << name.toStdString() << " is not 24-bit";
        EXPECT_EQ(quint8(bytes[30]), 0) << name.toStdString() << " is compressed";
        EXPECT_FALSE(image("DATA/" + name).isNull()) << name.toStdString();
    }
    EXPECT_TRUE(QFile::exists(path("DATA/1F4.bmp")));
}

TEST_F(SampleDataTest, RoundGemIsSeeThroughAroundAndSolidInside)
{
    const QImage gem = image("DATA/A00.bmp");
    ASSERT_FALSE(gem.isNull());
    EXPECT_EQ(gem.pixel(0, 0) & 0xFFFFFF, 0u);
    EXPECT_EQ(gem.pixel(gem.width() - 1, gem.height() - 1) & 0xFFFFFF, 0u);
    EXPECT_NE(gem.pixel(gem.width() / 2, gem.height() / 2) & 0xFFFFFF, 0u);
}

TEST_F(SampleDataTest, EveryButtonHasADecoderWithTwoHexLines)
{
    const QString dir = path("DATA/buttons");
    const QStringList buttons = QDir(dir).entryList({"*.bmp"}, QDir::Files);
    EXPECT_GE(buttons.size(), 4);
    EXPECT_TRUE(buttons.contains("Blue dot.bmp")) << "the import's default art";
    EXPECT_TRUE(buttons.contains("okay.bmp"));
    EXPECT_TRUE(buttons.contains("cancel.bmp"));
    EXPECT_EQ(readAll(dir + "/okay.cs"), QByteArray("F7\r\nF8\r\n"));
    QSet<uint> upNumbers;
    for (const QString &name : buttons) {
        const QByteArray decoder = readAll(dir + '/' + name.chopped(4) + ".cs");
        ASSERT_TRUE(decoder.endsWith("\r\n")) << name.toStdString();
        const QList<QByteArray> lines = decoder.chopped(2).split('\n');
        ASSERT_EQ(lines.size(), 2) << name.toStdString();
        bool okUp = false, okDown = false;
        const uint up = lines[0].chopped(1).toUInt(&okUp, 16);
        lines[1].toUInt(&okDown, 16);
        EXPECT_TRUE(okUp && okDown && lines[0].endsWith('\r')) << name.toStdString();
        // The import picks the art by the up number, so each must be unique.
        EXPECT_FALSE(upNumbers.contains(up)) << name.toStdString();
        upNumbers.insert(up);
        EXPECT_FALSE(image("DATA/buttons/" + name).isNull()) << name.toStdString();
    }
}

TEST_F(SampleDataTest, BackgroundsHaveNineFittingPiecesThatTileWithoutSeams)
{
    const QStringList previews = QDir(path("DATA/resizepic")).entryList({"*.bmp"}, QDir::Files);
    EXPECT_GE(previews.size(), 3);
    EXPECT_EQ(QDir(path("DATA/resizepic")).entryList({"*.bm"}, QDir::Files).size(), previews.size() * 9);
    for (const QString &preview : previews) {
        const QString number = preview.chopped(4);
        bool ok = false;
        number.toUInt(&ok, 10);
        EXPECT_TRUE(ok) << "decimal gump number: " << preview.toStdString();
        QList<QImage> p;
        for (int k = 0; k < 9; ++k) {
            p.append(image(QStringLiteral("DATA/resizepic/%1%2.bm").arg(k).arg(number)));
            ASSERT_FALSE(p.last().isNull()) << k << number.toStdString();
        }
        const std::string what = number.toStdString();
        EXPECT_TRUE(p[0].width() == p[3].width() && p[3].width() == p[6].width()) << what;
        EXPECT_TRUE(p[2].width() == p[5].width() && p[5].width() == p[8].width()) << what;
        EXPECT_TRUE(p[0].height() == p[1].height() && p[1].height() == p[2].height()) << what;
        EXPECT_TRUE(p[6].height() == p[7].height() && p[7].height() == p[8].height()) << what;
        EXPECT_TRUE(p[1].width() == p[4].width() && p[4].width() == p[7].width()) << what;
        EXPECT_TRUE(p[3].height() == p[4].height() && p[4].height() == p[5].height()) << what;

        expectTiles(p[4], false, "centre of " + number);
        expectTiles(p[4], true, "centre of " + number);
        expectTiles(p[1], false, "top edge of " + number);
        expectTiles(p[7], false, "bottom edge of " + number);
        expectTiles(p[3], true, "left edge of " + number);
        expectTiles(p[5], true, "right edge of " + number);
        EXPECT_FALSE(hasPureBlack(p[4])) << "the centre of " << what << " has see-through holes";
    }
}

TEST_F(SampleDataTest, HueLibraryNamesTheHuesTheTextWindowOffers)
{
    ASSERT_TRUE(QDir(s_dir->path()).entryList(QDir::Files).contains("ColorLibary.INI"));
    const IniFile ini(path("ColorLibary.INI"));
    const int total = ini.readInteger("NORMALS", "TOTAL", 0);
    EXPECT_GE(total, 10);
    QSet<int> spheres;
    for (int i = 1; i <= total; ++i) {
        const QString section = QString::number(i);
        EXPECT_FALSE(ini.readString(section, "NAME", QString()).isEmpty()) << i;
        EXPECT_NO_THROW(ColorText::fromText(ini.readString(section, "COLOR", "?"))) << i;
        spheres.insert(NumberText::parse(ini.readString(section, "SPHERE", "?")));
    }
    for (const int hue : {95, 995, 455, 0, 1152, 1101, 1153, 1250, 1345, 1350})
        EXPECT_TRUE(spheres.contains(hue)) << hue;
    EXPECT_FALSE(ini.sectionExists(QString::number(total + 1)));
}

TEST_F(SampleDataTest, AutoSaveFolderExistsAndIsEmpty)
{
    const QDir autoSave(path("AutoSave"));
    ASSERT_TRUE(autoSave.exists());
    EXPECT_TRUE(autoSave.isEmpty());
}

TEST_F(SampleDataTest, FontFileHasTheRecordLayoutAndConverterNames)
{
    const QByteArray bytes = readAll(path("UO0.CORE"));
    const FontFile font = FontFile::parse(bytes);
    ASSERT_GT(font.count, 0);
    ASSERT_LE(font.count, 93);
    ASSERT_EQ(bytes.size(), 4 + font.count * 524 + font.count * 9);
    // Reads the same when opened in text mode.
    EXPECT_FALSE(bytes.contains("\r\n"));
    EXPECT_FALSE(bytes.contains('\x1A'));

    QByteArray characters = "0123456789<>:\"./?*\\!,-'()";
    for (char c = 'A'; c <= 'Z'; ++c)
        characters += QByteArray(1, c) + char(c - 'A' + 'a');
    for (const char c : characters)
        EXPECT_NE(font.find(FontFile::nameOf(c)), nullptr) << "no glyph for " << c;
    QSet<QByteArray> names;
    for (const auto &g : font.glyphs) {
        EXPECT_FALSE(names.contains(g.name.toUpper())) << g.name.toStdString();
        names.insert(g.name.toUpper());
    }
}

TEST_F(SampleDataTest, GlyphsAreOutlinedBodiesThatFitTheirAdvance)
{
    const FontFile font = FontFile::parse(readAll(path("UO0.CORE")));
    for (const auto &g : font.glyphs) {
        const std::string name = g.name.toStdString();
        ASSERT_EQ(g.picture.size(), FontFile::Columns * FontFile::Rows) << name;
        const bool lowered = g.name.size() == 6 && g.name.startsWith('S') && g.name.endsWith(".BMP");
        int inkRight = 0, body = 0;
        for (int c = 0; c < FontFile::Columns; ++c) {
            for (int r = 0; r < FontFile::Rows; ++r) {
                const char px = g.at(c, r);
                ASSERT_TRUE(px == '0' || px == '1' || px == '2') << name;
                if (px != '0')
                    inkRight = c + 1;
                if (lowered && r >= FontFile::Rows - 2) {
                    EXPECT_EQ(px, '0') << name << ": ink lost when drawn two rows lower";
                }
                if (px != '2')
                    continue;
                ++body;
                // A body pixel touches no paper: the outline goes all round.
                for (int dc = -1; dc <= 1; ++dc)
                    for (int dr = -1; dr <= 1; ++dr) {
                        const int nc = c + dc, nr = r + dr;
                        ASSERT_TRUE(nc >= 0 && nc < FontFile::Columns && nr >= 0 && nr < FontFile::Rows)
                            << name << ": body on the cell border";
                        EXPECT_NE(g.at(nc, nr), '0') << name;
                    }
            }
        }
        EXPECT_GT(body, 0) << name;
        EXPECT_LE(g.width, 20) << name;
        // Plain rendering covers everything right of the advance with the next cell.
        EXPECT_GE(g.width, inkRight) << name;
    }
}

TEST_F(SampleDataTest, SampleProjectUsesOnlyArtHuesAndGlyphsThatExist)
{
    const QByteArray bytes = readAll(path("sample.SDF"));
    ASSERT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n'));
    const Document doc(Document::loadProjectFile(path("sample.SDF")));
    EXPECT_TRUE(doc.hasPage("0"));
    EXPECT_TRUE(doc.hasPage("1"));
    EXPECT_GE(doc.lastLocationLine(), 0);
    EXPECT_EQ(Document::projectText(doc.lines()), bytes);

    const FontFile font = FontFile::parse(readAll(path("UO0.CORE")));
    const IniFile hues(path("ColorLibary.INI"));
    QSet<QString> spheres;
    for (int i = 1; i <= hues.readInteger("NORMALS", "TOTAL", 0); ++i)
        spheres.insert(hues.readString(QString::number(i), "SPHERE", QString()));

    QSet<ElementKind> kinds;
    QSet<QString> textHues;
    RecordWalker walker(doc.lines());
    while (walker.next()) {
        if (walker.item() != RecordWalker::Item::Element)
            continue;
        ASSERT_TRUE(walker.complete());
        kinds.insert(walker.kind());
        const QString file = walker.field(3);
        switch (walker.kind()) {
        case ElementKind::Gumppic:
            EXPECT_TRUE(QFile::exists(PathResolver::resolve(s_dir->path() + '/', "DATA/" + file))) << file.toStdString();
            break;
        case ElementKind::Resizepic:
            for (int k = 0; k < 9; ++k)
                EXPECT_TRUE(QFile::exists(PathResolver::resolve(
                    s_dir->path() + '/', QStringLiteral("DATA/resizepic/%1%2.bm").arg(k).arg(file.chopped(4)))));
            break;
        case ElementKind::Button:
            EXPECT_TRUE(QFile::exists(PathResolver::resolve(s_dir->path() + '/', "DATA/BUTTONS/" + file)));
            EXPECT_TRUE(QFile::exists(PathResolver::resolve(s_dir->path() + '/', "DATA/BUTTONS/" + file.chopped(4) + ".CS")));
            break;
        case ElementKind::Text:
            textHues.insert(file);
            EXPECT_TRUE(spheres.contains(file)) << "hue " << file.toStdString();
            for (const char c : walker.field(4).toLatin1()) {
                if (c == ' ')
                    continue; // spaces are advanced over, not drawn
                EXPECT_NE(font.find(FontFile::nameOf(c)), nullptr) << "no glyph for " << c;
            }
            break;
        case ElementKind::None:
            break;
        }
    }
    EXPECT_EQ(kinds.size(), 4) << "every kind of element appears";
    EXPECT_GE(textHues.size(), 3);
}

// Users copy the sample: it passes the check in both dialects (notes for information aside).
TEST_F(SampleDataTest, SampleProjectPassesTheCheckWithoutAWarning)
{
    ArtCatalog art(s_dir->path() + '/');
    const QStringList lines = Document::loadProjectFile(path("sample.SDF"));
    for (const char *dialect : {"55i - 99g", "48e - 51a"}) {
        QStringList found;
        for (const DesignProblem &p : DesignCheck::run(lines, &art, QString::fromLatin1(dialect)))
            if (p.severity != DesignProblem::Severity::Information)
                found << DesignCheck::compilerLine(QStringLiteral("sample.SDF"), p);
        EXPECT_TRUE(found.isEmpty()) << dialect << ": " << found.join(u'\n').toStdString();
    }
}

TEST_F(SampleDataTest, SecondRunWritesTheSameBytes)
{
    QTemporaryDir other;
    const RunResult again = runGenerator({other.path()});
    ASSERT_EQ(again.exitCode, 0) << again.errors.toStdString();
    QDirIterator it(s_dir->path(), QDir::Files, QDirIterator::Subdirectories);
    int files = 0;
    while (it.hasNext()) {
        const QString file = it.next();
        const QString relative = QDir(s_dir->path()).relativeFilePath(file);
        EXPECT_EQ(readAll(file), readAll(QDir(other.path()).filePath(relative))) << relative.toStdString();
        ++files;
    }
    QDirIterator count(other.path(), QDir::Files, QDirIterator::Subdirectories);
    int otherFiles = 0;
    for (; count.hasNext(); count.next())
        ++otherFiles;
    EXPECT_EQ(files, otherFiles);
}

TEST(SampleDataCommandTest, ReportsMisuseAndUnwritableTargets)
{
    const RunResult noArgs = runGenerator({});
    EXPECT_EQ(noArgs.exitCode, 2);
    EXPECT_TRUE(noArgs.errors.contains("usage: make-sample-data OUTDIR"));

    QTemporaryDir dir;
    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const RunResult blocked = runGenerator({dir.filePath("file")});
    EXPECT_EQ(blocked.exitCode, 1);
    EXPECT_TRUE(blocked.errors.contains("Cannot create file")) << blocked.errors.toStdString();
}

} // namespace
