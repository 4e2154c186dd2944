#include "assets/client/GumpArt.h"
#include "assets/client/GumpBrowserModel.h"
#include "support/SyntheticClient.h"

#include <gtest/gtest.h>

using SyntheticClient::Gump;

namespace {

std::shared_ptr<const GumpArt> clientOf(const QList<Gump> &gumps)
{
    const auto [index, data] = SyntheticClient::mul(gumps);
    return GumpArt::fromMul(ClientFile::fromBytes(index), ClientFile::fromBytes(data));
}

Gump filled(int id, int w, int h, quint16 colour)
{
    return {id, w, h, QList<quint16>(w * h, colour)};
}

std::vector<int> rowsOf(const GumpBrowserModel &model)
{
    std::vector<int> out;
    for (int r = 0; r < model.rowCount(); ++r)
        out.push_back(model.gumpAt(r));
    return out;
}

} // namespace

TEST(GumpBrowserModel, SearchKeepsNumbersStartingWithTheTextInHexOrDecimal)
{
    GumpBrowserModel model;
    model.setArt(clientOf({filled(0x1F, 1, 1, 1), filled(0x1F4, 1, 1, 1), filled(500 + 0x100, 1, 1, 1),
                           filled(0x2A, 1, 1, 1), filled(160, 1, 1, 1)}));
    // 0x1F = 31, 0x1F4 = 500, 0x2F4 = 756, 0x2A = 42, 0xA0 = 160
    const std::pair<const char *, std::vector<int>> cases[] = {
        {"", {0x1F, 0x2A, 0xA0, 0x1F4, 0x2F4}},
        {"1f", {0x1F, 0x1F4}},        // hex prefix, either case
        {" 0x1F4 ", {0x1F4}},
        {"x2", {0x2A, 0x2F4}},         // hex only: 0x2A, 0x2F4
        {"50", {0x1F4}},               // decimal 500
        {"2", {0x2A, 0x2F4}},          // no decimal starts with 2
        {"A", {0xA0}},                 // not decimal
        {"16", {0xA0}},                // decimal 160
        {"zz", {}},
        {"0x", {0x1F, 0x2A, 0xA0, 0x1F4, 0x2F4}},
    };
    for (const auto &[text, expected] : cases) {
        model.setSearch(QString::fromLatin1(text));
        EXPECT_EQ(rowsOf(model), expected) << text;
    }
    // A new client keeps the search.
    model.setSearch("1F");
    model.setArt(clientOf({filled(0x1F0, 1, 1, 1), filled(0x3, 1, 1, 1)}));
    EXPECT_EQ(rowsOf(model), std::vector<int>({0x1F0}));
    EXPECT_EQ(model.rowOf(0x1F0), 0);
    EXPECT_EQ(model.rowOf(0x3), -1);
}

TEST(GumpBrowserModel, RowsNameTheGumpAndDrawThumbnailsOnDemand)
{
    GumpBrowserModel model;
    EXPECT_EQ(model.rowCount(), 0);
    model.setArt(clientOf({filled(0x1F4, 200, 100, 0x7C00), {0x20, 2, 1, {0, 0x001F}}}));
    ASSERT_EQ(model.rowCount(), 2);
    const QModelIndex big = model.index(model.rowOf(0x1F4));
    EXPECT_EQ(model.data(big, Qt::DisplayRole).toString(), QStringLiteral("0x1F4  (500)"));
    EXPECT_EQ(model.data(big, GumpBrowserModel::FileNameRole).toString(), QStringLiteral("1F4.bmp"));
    EXPECT_EQ(model.data(big, GumpBrowserModel::GumpNumberRole).toInt(), 0x1F4);

    const QImage thumb = model.data(big, Qt::DecorationRole).value<QImage>();
    ASSERT_EQ(thumb.size(), QSize(48, 48));   // scaled down, shape kept, centred
    EXPECT_EQ(qAlpha(thumb.pixel(24, 11)), 0);
    EXPECT_EQ(thumb.pixel(24, 12), 0xFFFF0000u);
    EXPECT_EQ(thumb.pixel(24, 35), 0xFFFF0000u);
    EXPECT_EQ(qAlpha(thumb.pixel(24, 36)), 0);
    EXPECT_EQ(model.picture(0x1F4).size(), QSize(200, 100));

    const QImage small = model.data(model.index(model.rowOf(0x20)), Qt::DecorationRole).value<QImage>();
    EXPECT_EQ(qAlpha(small.pixel(23, 23)), 0);  // see-through shows the list
    EXPECT_EQ(small.pixel(24, 23), 0xFF0000FFu);  // never scaled up
    EXPECT_EQ(qAlpha(small.pixel(25, 23)), 0);

    // A cache smaller than one thumbnail still answers every row.
    model.setCacheBytes(16);
    for (int round = 0; round < 2; ++round)
        for (int r = 0; r < model.rowCount(); ++r)
            EXPECT_FALSE(model.data(model.index(r), Qt::DecorationRole).value<QImage>().isNull());
    EXPECT_FALSE(model.data(model.index(2), Qt::DisplayRole).isValid());
}
