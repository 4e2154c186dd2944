#include "assets/ArtStore.h"
#include "assets/client/GumpArt.h"
#include "support/SyntheticClient.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ClientArtStore, GumpNumberOfPictureNames)
{
    const std::pair<const char *, int> cases[] = {
        {"1F4.bmp", 0x1F4}, {"1f4.BMP", 0x1F4}, {"0.bmp", 0}, {"FFFFFF.bmp", 0xFFFFFF},
        {"portrait.bmp", -1}, {"1F4.png", -1}, {".bmp", -1}, {"-1.bmp", -1}, {"+5.bmp", -1},
        {"FFFFFFFF.bmp", -1}, {"1F4", -1},
    };
    for (const auto &[name, number] : cases)
        EXPECT_EQ(ArtStore::gumpNumberOf(QString::fromLatin1(name)), number) << name;
}

TEST(ClientArtStore, DataFilesWinAndMissingOnesComeFromTheClient)
{
    QTemporaryDir app;
    ASSERT_TRUE(QDir(app.path()).mkpath("data"));
    QImage own(4, 4, QImage::Format_RGB32);
    own.fill(0xFF112233u);
    ASSERT_TRUE(own.save(app.filePath("data/1f4.BMP"), "BMP"));

    const QList<SyntheticClient::Gump> gumps = {{0x1F4, 2, 1, {0x7C00, 0x7C00}}, {0x20, 2, 1, {0, 0x001F}}};
    const auto [index, data] = SyntheticClient::mul(gumps);
    ArtStore store(app.path() + "/");
    EXPECT_TRUE(store.gumppic("20.bmp").isNull());   // no client yet
    store.setClientArt(GumpArt::fromMul(ClientFile::fromBytes(index), ClientFile::fromBytes(data)));

    EXPECT_EQ(store.gumppic("1F4.bmp").size(), QSize(4, 4));
    EXPECT_EQ(store.gumppic("1F4.bmp").pixel(0, 0), 0xFF112233u);
    const QImage fromClient = store.gumppic("20.bmp");
    ASSERT_EQ(fromClient.size(), QSize(2, 1));
    EXPECT_EQ(fromClient.pixel(0, 0), 0xFF000000u);   // see-through
    EXPECT_EQ(fromClient.pixel(1, 0), 0xFF0000FFu);
    EXPECT_TRUE(store.gumppic("21.bmp").isNull());
    EXPECT_TRUE(store.gumppic("stone.bmp").isNull());
}
