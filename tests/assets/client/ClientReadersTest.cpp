#include "assets/client/GumpArt.h"
#include "assets/client/GumpPixels.h"
#include "assets/client/HuesFile.h"
#include "assets/client/UnicodeFont.h"
#include "assets/client/UopArchive.h"
#include "support/SyntheticClient.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using SyntheticClient::Gump;

namespace {

// A 3 × 2 gump: see-through, pure-blue-ish, white / red, opaque black, green.
Gump sampleGump(int id)
{
    return {id, 3, 2, {0x0000, 0x0001, 0x7FFF, 0x7C00, 0x8000, 0x03E0}};
}

const QList<QRgb> sampleRgb = {0xFF000000u, 0xFF000008u, 0xFFFFFFFFu, 0xFFFF0000u, GumpPixels::NearBlack, 0xFF00FF00u};

void expectSample(const QImage &image)
{
    ASSERT_EQ(image.size(), QSize(3, 2));
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(image.pixel(i % 3, i / 3), sampleRgb[i]) << "pixel " << i;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(GumpPixels, FiveBitChannelsAndBlackRules)
{
    const std::pair<quint16, QRgb> cases[] = {
        {0x0000, 0xFF000000u},            // see-through: the library's black
        {0x8000, GumpPixels::NearBlack},  // opaque black must not turn see-through
        {0x0001, 0xFF000008u},
        {0x0010, 0xFF000083u},
        {0x7FFF, 0xFFFFFFFFu},
        {0x4210, 0xFF838383u},
    };
    for (const auto &[colour, rgb] : cases)
        EXPECT_EQ(GumpPixels::toRgb(colour), rgb) << std::hex << colour;
}

TEST(UopArchive, NameHashMatchesReferenceVectors)
{
    EXPECT_EQ(UopArchive::nameHash("build/gumpartlegacymul/00000000.tga"), 0xECD0CC1754B6A0D8ull);
    EXPECT_EQ(UopArchive::nameHash("build/gumpartlegacymul/00000247.tga"), 0x68AEED7131204ED9ull);
    EXPECT_EQ(UopArchive::nameHash("BUILD/GumpArtLegacyMul/00001152.TGA"), 0x7E5BB52A2C3803A6ull);
}

TEST(GumpArt, MulAndUopGiveTheSamePixels)
{
    const QList<Gump> gumps = {sampleGump(0), sampleGump(0x1F4), sampleGump(70000)};
    const auto [index, data] = SyntheticClient::mul(gumps);
    const auto mul = GumpArt::fromMul(ClientFile::fromBytes(index), ClientFile::fromBytes(data));
    // Small blocks, so the archive's block chain is walked.
    const auto uop = GumpArt::fromUop(ClientFile::fromBytes(SyntheticClient::uop(gumps, 2)));
    for (const auto &art : {mul, uop}) {
        EXPECT_EQ(art->ids(), (std::vector<int>{0, 0x1F4, 70000}));
        EXPECT_FALSE(art->contains(1));
        EXPECT_TRUE(art->decode(1).isNull());
        expectSample(art->decode(0x1F4));
        expectSample(art->decode(70000));
        EXPECT_EQ(art->undecodable(), 0);
    }
}

TEST(GumpArt, OpenPrefersTheArchiveAndMatchesNamesIgnoringCase)
{
    QTemporaryDir dir;
    const auto [index, data] = SyntheticClient::mul({sampleGump(5)});
    writeFile(dir.filePath("GUMPIDX.MUL"), index);
    writeFile(dir.filePath("GumpArt.mul"), data);
    auto art = GumpArt::open(dir.path());
    ASSERT_TRUE(art);
    EXPECT_EQ(art->ids(), std::vector<int>{5});

    writeFile(dir.filePath("gumpartlegacymul.UOP"), SyntheticClient::uop({sampleGump(9)}));
    art = GumpArt::open(dir.path());
    ASSERT_TRUE(art);
    EXPECT_EQ(art->ids(), std::vector<int>{9});
    EXPECT_FALSE(GumpArt::open(dir.filePath("nothing-here")));
}

TEST(GumpArt, DamagedDataIsSkippedAndCounted)
{
    const auto [index, data] = SyntheticClient::mul({sampleGump(0), sampleGump(1), sampleGump(2)});
    struct Case { const char *what; QByteArray index, data; int decodable; };
    QByteArray lyingLength = index;
    lyingLength[4 + 12] = char(0x7F);                  // gump 1 claims more than the file holds
    QByteArray hugeSize = index;
    hugeSize[8 + 24 + 2] = char(0xFF);                 // gump 2 height 0xFF..: row table past the data
    hugeSize[8 + 24 + 3] = char(0x7F);
    QByteArray badRuns = data;
    badRuns[6 * 4 + 2] = char(0x40);                   // a run of gump 0 overflows its row
    const Case cases[] = {
        {"index cut inside a record", index.left(20), data, 1},
        {"data cut short", index, data.left(data.size() - 4), 2},
        {"length past the end", lyingLength, data, 2},
        {"size beyond the data", hugeSize, data, 2},
        {"runs wider than the row", index, badRuns, 2},
    };
    for (const Case &c : cases) {
        const auto art = GumpArt::fromMul(ClientFile::fromBytes(c.index), ClientFile::fromBytes(c.data));
        int decoded = 0;
        for (int id = 0; id < art->idLimit(); ++id)
            decoded += !art->decode(id).isNull();
        EXPECT_EQ(decoded, c.decodable) << c.what;
        EXPECT_EQ(art->undecodable(), 3 - c.decodable - (c.index.size() < 36 ? 2 : 0)) << c.what;
    }
}

TEST(UopArchive, HostileHeadersEndTheWalk)
{
    QByteArray looping = SyntheticClient::uop({sampleGump(1)});
    looping.replace(0x28 + 4, 8, QByteArray::fromHex("2800000000000000"));   // next block = itself
    QByteArray hugeCount = SyntheticClient::uop({sampleGump(1)});
    hugeCount.replace(0x28, 4, QByteArray::fromHex("ffffff7f"));
    const QByteArray inputs[] = {looping, hugeCount, QByteArray("MYP"), QByteArray(0x28, '\0')};
    for (const QByteArray &bytes : inputs) {
        const auto art = GumpArt::fromUop(ClientFile::fromBytes(bytes));
        for (const int id : art->ids())
            art->decode(id);
        SUCCEED();
    }
    EXPECT_TRUE(GumpArt::fromUop(ClientFile::fromBytes(looping))->contains(1));
}

TEST(UopArchive, MythicUndoRejectsCountsTheDataCannotHold)
{
    QByteArray packed(4 + 1024, '\0');
    packed[4] = char(0xFF);   // 255 of symbol 0 with no region behind them
    EXPECT_TRUE(UopArchive::undoMythic(packed, 1 << 20).isEmpty());
    // One symbol repeated: its region says "stay in front" throughout.
    QByteArray single(4 + 1024 + 3, '\0');
    single[4] = 3;   // move-to-front codes of the count 3, then zeros
    single[5] = 1;
    EXPECT_EQ(UopArchive::undoMythic(single, 1 << 20), QByteArray(3, '\0'));
}

TEST(HuesFile, TextColourIsColourThirtyOfRecordV)
{
    QList<std::pair<quint16, QByteArray>> records;
    for (int i = 0; i < 12; ++i)
        records.append({quint16(0x8000 | (i + 1)), i == 3 ? QByteArray() : "Hue name " + QByteArray::number(i)});
    const auto hues = HuesFile::read(SyntheticClient::hues(records) + QByteArray(100, 'x'));
    ASSERT_EQ(hues.size(), 16u);   // two whole groups; the trailing bytes are not a group
    EXPECT_EQ(hues[2].name, "Hue name 2");
    EXPECT_EQ(hues[3].name, "");
    EXPECT_EQ(HuesFile::textColour(hues, 0), 0xFF000000u);
    EXPECT_EQ(HuesFile::textColour(hues, 2), GumpPixels::toRgb(3));   // partial-hue bit stripped
    EXPECT_EQ(HuesFile::textColour(hues, 99), 0xFF000000u);
    EXPECT_TRUE(HuesFile::read(QByteArray(707, '\1')).empty());
}

TEST(UnicodeFont, GlyphBitsAndBounds)
{
    const QByteArray bytes = SyntheticClient::unicodeFont(u'A', 1, 3, {"#.#.#.#.#", ".#######."});
    const UnicodeFont font = UnicodeFont::read(bytes);
    const UnicodeFont::Glyph g = font.glyph(u'A');
    ASSERT_EQ(g.width, 9);
    ASSERT_EQ(g.height, 2);
    EXPECT_EQ(g.yOffset, 3);
    EXPECT_EQ(g.advance(), 11);
    EXPECT_TRUE(g.at(8, 0));
    EXPECT_FALSE(g.at(8, 1));
    EXPECT_TRUE(g.at(1, 1));
    EXPECT_FALSE(font.has(u'B'));
    EXPECT_FALSE(UnicodeFont::read(bytes.left(bytes.size() - 1)).has(u'A'));   // rows cut short
    EXPECT_TRUE(UnicodeFont::read(QByteArray(100, '\xff')).isEmpty());
}
