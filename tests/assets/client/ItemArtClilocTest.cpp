#include "assets/client/Cliloc.h"
#include "assets/client/GumpPixels.h"
#include "assets/client/HueShading.h"
#include "assets/client/ItemArt.h"
#include "support/SyntheticClient.h"

#include <QtEndian>
#include <gtest/gtest.h>

using SyntheticClient::Gump;

namespace {

// 4 × 2: a gap inside the first row, opaque black and bit 15 in the second.
Gump sampleItem(int number)
{
    return {number, 4, 2, {0x7C00, 0x0000, 0x0000, 0x03E0, 0x0000, 0x8000, 0xFFFF, 0x0000}};
}

const QList<QRgb> sampleRgb = {0xFFFF0000u, 0xFF000000u, 0xFF000000u, 0xFF00FF00u,
                               0xFF000000u, GumpPixels::NearBlack, 0xFFFFFFFFu, 0xFF000000u};

} // namespace

TEST(ItemArt, DecodesItemsFromTheIndexPairAndTheArchiveAlike)
{
    const QList<Gump> items = {sampleItem(3), sampleItem(0x1F00)};
    const auto [index, data] = SyntheticClient::itemMul(items);
    const std::shared_ptr<const ItemArt> sources[] = {
        ItemArt::fromMul(ClientFile::fromBytes(index), ClientFile::fromBytes(data)),
        ItemArt::fromUop(ClientFile::fromBytes(SyntheticClient::itemUop(items))),
    };
    for (const auto &art : sources) {
        EXPECT_EQ(art->count(), 2);
        EXPECT_FALSE(art->contains(4));
        EXPECT_TRUE(art->decode(4).isNull());
        for (const int item : {3, 0x1F00}) {
            const QImage image = art->decode(item);
            ASSERT_EQ(image.size(), QSize(4, 2)) << item;
            for (int i = 0; i < 8; ++i)
                EXPECT_EQ(image.pixel(i % 4, i / 4), sampleRgb[i]) << "item " << item << " pixel " << i;
        }
    }
}

TEST(ItemArt, DamagedDataGivesNoPicture)
{
    const QByteArray good = SyntheticClient::itemRuns(sampleItem(0));
    ASSERT_FALSE(ItemArt::decodeRuns(reinterpret_cast<const uchar *>(good.constData()), good.size()).isNull());
    const auto patched = [&](int at, quint16 value) {
        QByteArray b = good;
        qToLittleEndian(value, b.data() + at);
        return b;
    };
    const std::pair<const char *, QByteArray> cases[] = {
        {"cut inside the header", good.left(6)},
        {"cut inside the runs", good.left(good.size() - 2)},
        {"no end run", good.left(good.size() - 4)},
        {"zero width", patched(4, 0)},
        {"side past the limit", patched(6, ItemArt::MaxSide + 1)},
        {"row start past the data", patched(8, 0x7FFF)},
        {"skip past the width", patched(12, 9)},
        {"run past the width", patched(14, 5)},
    };
    for (const auto &[what, bytes] : cases)
        EXPECT_TRUE(ItemArt::decodeRuns(reinterpret_cast<const uchar *>(bytes.constData()), bytes.size()).isNull())
            << what;
}

TEST(Cliloc, FindsTextsByNumberAndKeepsWhatPrecedesDamage)
{
    const QByteArray file = SyntheticClient::cliloc({{1062000, "Strength"}, {500, "Caf\xC3\xA9"}, {7, ""}});
    const auto cliloc = Cliloc::fromFile(ClientFile::fromBytes(file));
    EXPECT_EQ(cliloc->count(), 3);
    EXPECT_EQ(cliloc->text(1062000), QStringLiteral("Strength"));
    EXPECT_EQ(cliloc->text(500), QStringLiteral("Caf\u00E9"));
    EXPECT_EQ(cliloc->text(7), QString());
    EXPECT_FALSE(cliloc->text(8).has_value());

    // A length that runs past the end drops that record and what follows.
    const auto cut = Cliloc::fromFile(ClientFile::fromBytes(file.left(file.size() - 1)));
    EXPECT_EQ(cut->count(), 2);
    EXPECT_FALSE(cut->text(7).has_value());
    EXPECT_EQ(Cliloc::fromFile(ClientFile::fromBytes(file.left(3)))->count(), 0);
}

TEST(HueShading, OpaquePixelsTakeTheHueAtTheirRedLevel)
{
    // Hue 1 is record 0: colour i is i (blue channel), colour 30 red.
    const auto hues = HuesFile::read(SyntheticClient::hues({{0x7C00, "Red"}}));
    QImage art(4, 1, QImage::Format_RGB32);
    art.setPixel(0, 0, 0xFF000000u);                       // see-through
    art.setPixel(1, 0, 0xFFF0F0F0u);                       // grey, red level 30
    art.setPixel(2, 0, 0xFF08FF00u);                       // not grey, red level 1
    art.setPixel(3, 0, GumpPixels::NearBlack);             // red level 0: colour 0 is black
    const struct { int hue; QList<QRgb> expected; } cases[] = {
        {0, {0xFF000000u, 0xFFF0F0F0u, 0xFF08FF00u, GumpPixels::NearBlack}},
        {1, {0xFF000000u, 0xFFFF0000u, GumpPixels::toRgb(1), GumpPixels::NearBlack}},
        {1 | HueShading::PartialFlag, {0xFF000000u, 0xFFFF0000u, 0xFF08FF00u, GumpPixels::NearBlack}},
        {9, {0xFF000000u, 0xFFF0F0F0u, 0xFF08FF00u, GumpPixels::NearBlack}},   // past the file
    };
    for (const auto &c : cases) {
        const QImage out = HueShading::hued(art, hues, c.hue);
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(out.pixel(x, 0), c.expected[x]) << "hue " << c.hue << " pixel " << x;
    }
}
