#include "assets/ResizepicComposer.h"
#include "support/SyntheticArt.h"

#include <QPainter>
#include <gtest/gtest.h>

using SyntheticArt::solid;

namespace {

constexpr QRgb Black = 0xFF000000u;
// Piece k has colour colours[k].
constexpr std::array<QRgb, 9> colours{0xFF110000u, 0xFF220000u, 0xFF330000u, 0xFF004400u, 0xFF005500u,
                                      0xFF006600u, 0xFF000077u, 0xFF000088u, 0xFF000099u};

ResizepicPieces solidPieces(const std::array<QSize, 9> &sizes)
{
    ResizepicPieces pieces;
    for (size_t k = 0; k < 9; ++k)
        if (!sizes[k].isEmpty())
            pieces[k] = solid(sizes[k].width(), sizes[k].height(), colours[k]);
    return pieces;
}

ResizepicPieces uniformPieces(int side)
{
    std::array<QSize, 9> sizes;
    sizes.fill(QSize(side, side));
    return solidPieces(sizes);
}

// The nine steps drawn literally, one QPainter call per tile.
QImage literalComposition(const ResizepicPieces &p, int W, int H)
{
    QImage out(W, H, QImage::Format_RGB32);
    out.fill(Black);
    QPainter painter(&out);
    const auto w = [&](int k) { return p[size_t(k)].width(); };
    const auto h = [&](int k) { return p[size_t(k)].height(); };
    const auto at = [&](int k, int x, int y) { if (!p[size_t(k)].isNull()) painter.drawImage(x, y, p[size_t(k)]); };
    at(0, 0, 0);
    for (int x = 0; w(1) > 0 && x < W; x += w(1)) at(1, w(0) + x, 0);
    at(2, W - w(2), 0);
    for (int y = 0; h(3) > 0 && y < H; y += h(3)) at(3, 0, h(0) + y);
    for (int y = 0; h(4) > 0 && y < H; y += h(4))
        for (int x = 0; w(4) > 0 && x < W; x += w(4)) at(4, w(0) + x, h(0) + y);
    for (int y = 0; h(5) > 0 && y < H; y += h(5)) at(5, W - w(5), h(2) + y);
    at(6, 0, H - h(6));
    for (int x = 0; w(7) > 0 && x < W; x += w(7)) at(7, w(6) + x, H - h(6));
    at(8, W - w(8), H - h(8));
    return out;
}

// Pieces with stripes, so a tile put one pixel off shows.
ResizepicPieces stripedPieces(const std::array<QSize, 9> &sizes)
{
    ResizepicPieces pieces = solidPieces(sizes);
    for (size_t k = 0; k < 9; ++k)
        for (int y = 0; y < pieces[k].height(); ++y)
            for (int x = 0; x < pieces[k].width(); ++x)
                if ((x + 2 * y) % 3 == 0)
                    pieces[k].setPixel(x, y, colours[k] | 0x0000C0C0u | uint(x * 16 + y));
    return pieces;
}

} // namespace

TEST(ResizepicComposer, MatchesTheStepsDrawnOneTileAtATime)
{
    const std::array<QSize, 9> shapes[] = {
        {QSize(4, 3), QSize(5, 2), QSize(6, 4), QSize(3, 7), QSize(8, 5), QSize(2, 3), QSize(5, 6), QSize(3, 4), QSize(7, 2)},
        {QSize(1, 1), QSize(1, 1), QSize(1, 1), QSize(1, 1), QSize(1, 1), QSize(1, 1), QSize(1, 1), QSize(1, 1), QSize(1, 1)},
        {QSize(9, 9), QSize(), QSize(9, 2), QSize(), QSize(3, 3), QSize(4, 1), QSize(2, 9), QSize(30, 3), QSize()},
    };
    for (const auto &shape : shapes) {
        const ResizepicPieces pieces = stripedPieces(shape);
        for (const QSize size : {QSize(1, 1), QSize(7, 5), QSize(13, 11), QSize(37, 29), QSize(64, 3), QSize(3, 64)}) {
            const QImage composed = ResizepicComposer::compose(pieces, size.width(), size.height());
            ASSERT_EQ(composed, literalComposition(pieces, size.width(), size.height()))
                << size.width() << "x" << size.height() << " with piece 0 " << shape[0].width();
        }
    }
}

TEST(ResizepicComposer, CornersOverlapWhenTheBackgroundIsSmall)
{
    const QImage b = ResizepicComposer::compose(uniformPieces(10), 12, 12);
    ASSERT_EQ(b.size(), QSize(12, 12));
    EXPECT_EQ(b.pixel(0, 0), colours[0]);    // P0 shows in the top-left two rows and columns only
    EXPECT_EQ(b.pixel(1, 1), colours[0]);
    EXPECT_EQ(b.pixel(5, 0), colours[2]);    // P2 over P0
    EXPECT_EQ(b.pixel(0, 5), colours[6]);    // P6 over P0 and the left edge
    EXPECT_EQ(b.pixel(5, 5), colours[8]);    // P8 over everything
    EXPECT_EQ(b.pixel(11, 11), colours[8]);
}

TEST(ResizepicComposer, TopRowIsOnlyCornersWhenWidthIsBothCorners)
{
    const QImage b = ResizepicComposer::compose(uniformPieces(8), 16, 40);
    for (int x = 0; x < 16; ++x)
        EXPECT_EQ(b.pixel(x, 0), colours[x < 8 ? 0 : 2]) << x;
}

TEST(ResizepicComposer, OneByOneCentreFillsTheInside)
{
    std::array<QSize, 9> sizes;
    sizes.fill(QSize(5, 5));
    sizes[4] = QSize(1, 1);
    const QImage b = ResizepicComposer::compose(solidPieces(sizes), 40, 30);
    for (int y = 5; y < 25; ++y)
        for (int x = 5; x < 35; ++x)
            ASSERT_EQ(b.pixel(x, y), colours[4]) << x << "," << y;
}

TEST(ResizepicComposer, MissingCentreLeavesBlackFramedByEdges)
{
    std::array<QSize, 9> sizes;
    sizes.fill(QSize(5, 5));
    sizes[4] = QSize();
    const QImage b = ResizepicComposer::compose(solidPieces(sizes), 30, 30);
    EXPECT_EQ(b.pixel(15, 15), Black);
    EXPECT_EQ(b.pixel(15, 2), colours[1]);
    EXPECT_EQ(b.pixel(2, 15), colours[3]);
    EXPECT_EQ(b.pixel(27, 15), colours[5]);
    EXPECT_EQ(b.pixel(15, 27), colours[7]);
}

TEST(ResizepicComposer, ReferencePointsOfCentreAndEdges)
{
    // Corners wider than high; P2 and P6 differ from P0 so h2 and w6 show.
    const std::array<QSize, 9> sizes{QSize(6, 3), QSize(4, 3), QSize(6, 5), QSize(6, 4), QSize(4, 4),
                                     QSize(6, 4), QSize(9, 3), QSize(4, 2), QSize(6, 3)};
    const QImage b = ResizepicComposer::compose(solidPieces(sizes), 40, 30);
    EXPECT_EQ(b.pixel(6, 3), colours[4]);     // centre starts at (w0, h0)
    EXPECT_EQ(b.pixel(5, 3), colours[3]);
    // The right edge starts at h2 = 5, so the centre's overrun covers P2's
    // last rows above it.
    EXPECT_EQ(b.pixel(34, 2), colours[2]);
    EXPECT_EQ(b.pixel(34, 4), colours[4]);
    EXPECT_EQ(b.pixel(34, 5), colours[5]);
    EXPECT_EQ(b.pixel(9, 27), colours[7]);    // bottom edge right of P6 (w6 = 9), at H − h6
    EXPECT_EQ(b.pixel(8, 27), colours[6]);
    EXPECT_EQ(b.pixel(20, 29), colours[4]);   // P7 is 2 high: the row below it shows the centre
}

TEST(ResizepicComposer, EmptyPiecesAndOutlandishSizes)
{
    const ResizepicPieces none;
    const QImage black = ResizepicComposer::compose(none, 20, 10);
    ASSERT_EQ(black.size(), QSize(20, 10));
    EXPECT_EQ(black.pixel(10, 5), Black);

    EXPECT_TRUE(ResizepicComposer::compose(uniformPieces(4), 0, 10).isNull());
    EXPECT_TRUE(ResizepicComposer::compose(uniformPieces(4), -5, 10).isNull());
    EXPECT_TRUE(ResizepicComposer::compose(uniformPieces(4), 10, -100000).isNull());
    const QImage capped = ResizepicComposer::compose(uniformPieces(4), 100000, 3);
    EXPECT_EQ(capped.size(), QSize(ResizepicComposer::MaxSide, 3));
    EXPECT_EQ(capped.pixel(ResizepicComposer::MaxSide - 1, 0), colours[8]);
}

TEST(ResizepicComposer, APartIsTheWholeBackgroundCutToIt)
{
    const ResizepicPieces pieces = stripedPieces(
        {QSize(4, 3), QSize(5, 2), QSize(6, 4), QSize(3, 7), QSize(8, 5), QSize(2, 3), QSize(5, 6), QSize(3, 4), QSize(7, 2)});
    const QSize size(61, 47);
    const QImage whole = ResizepicComposer::compose(pieces, size.width(), size.height());
    // Inside, across each edge and corner, one pixel, and reaching past the background.
    for (const QRect part : {QRect(10, 9, 20, 13), QRect(0, 0, 5, 4), QRect(55, 40, 6, 7), QRect(-9, 20, 15, 30),
                             QRect(30, -5, 40, 60), QRect(17, 23, 1, 1), QRect(-100, -100, 500, 500)}) {
        const QRect inside = part & QRect(QPoint(), size);
        EXPECT_EQ(ResizepicComposer::compose(pieces, size.width(), size.height(), part), whole.copy(inside))
            << part.x() << "," << part.y() << " " << part.width() << "x" << part.height();
    }
    EXPECT_TRUE(ResizepicComposer::compose(pieces, size.width(), size.height(), QRect(61, 0, 5, 5)).isNull());
    EXPECT_TRUE(ResizepicComposer::compose(pieces, size.width(), size.height(), QRect(0, -8, 5, 8)).isNull());
}
