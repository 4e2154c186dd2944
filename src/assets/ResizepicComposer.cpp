#include "assets/ResizepicComposer.h"

#include <QRect>

#include <algorithm>
#include <cstring>

namespace ResizepicComposer {

namespace {

// Tiles in a loop that starts at 0 and steps by step while below limit; a
// step of 0 (an empty piece) gives none.
qint64 tileCount(int limit, int step)
{
    if (limit <= 0 || step <= 0)
        return 0;
    return (qint64(limit) + step - 1) / step;
}

// Draws countX × countY copies of piece, the first at (left, top), opaquely
// and clipped to target. The copies form one periodic area, so each row is
// built once by doubling copies and rows repeat every piece height.
void tile(QImage &target, const QImage &piece, qint64 left, qint64 top, qint64 countX, qint64 countY)
{
    const int pw = piece.width(), ph = piece.height();
    if (pw <= 0 || ph <= 0 || countX <= 0 || countY <= 0)
        return;
    const qint64 x0 = std::max<qint64>(left, 0);
    const qint64 x1 = std::min<qint64>(left + countX * pw, target.width());
    const qint64 y0 = std::max<qint64>(top, 0);
    const qint64 y1 = std::min<qint64>(top + countY * ph, target.height());
    if (x0 >= x1 || y0 >= y1)
        return;
    const qint64 span = x1 - x0;
    const int firstColumn = int((x0 - left) % pw);

    for (qint64 y = y0; y < y1; ++y) {
        auto *row = reinterpret_cast<QRgb *>(target.scanLine(int(y))) + x0;
        if (y - y0 >= ph) {
            // Same piece row as ph rows above, over the same columns.
            std::memcpy(row, reinterpret_cast<const QRgb *>(target.constScanLine(int(y - ph))) + x0,
                        size_t(span) * sizeof(QRgb));
            continue;
        }
        const auto *src = reinterpret_cast<const QRgb *>(piece.constScanLine(int((y - top) % ph)));
        // One period: the rest of the piece row, then its start.
        qint64 done = std::min<qint64>(pw - firstColumn, span);
        std::memcpy(row, src + firstColumn, size_t(done) * sizeof(QRgb));
        if (done < span && firstColumn > 0) {
            const qint64 n = std::min<qint64>(firstColumn, span - done);
            std::memcpy(row + done, src, size_t(n) * sizeof(QRgb));
            done += n;
        }
        // Everything further repeats what is already there.
        while (done < span) {
            const qint64 n = std::min(done, span - done);
            std::memcpy(row + done, row, size_t(n) * sizeof(QRgb));
            done += n;
        }
    }
}

QImage asRgb32(const QImage &image)
{
    return image.isNull() || image.format() == QImage::Format_RGB32 ? image
                                                                      : image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

QImage compose(const ResizepicPieces &pieces, int width, int height)
{
    return compose(pieces, width, height, QRect(0, 0, MaxSide, MaxSide));
}

QImage compose(const ResizepicPieces &pieces, int width, int height, const QRect &part)
{
    const int W = std::clamp(width, 0, MaxSide);
    const int H = std::clamp(height, 0, MaxSide);
    const QRect area = part & QRect(0, 0, W, H);
    if (area.isEmpty())
        return QImage();
    // The pieces are laid out as for the whole background, shifted so that
    // the part's corner is the image's; tile() clips the rest away.
    const qint64 ox = area.x(), oy = area.y();
    QImage out(area.size(), QImage::Format_RGB32);
    if (out.isNull())
        return QImage();
    out.fill(0xFF000000u);

    ResizepicPieces p;
    for (size_t k = 0; k < p.size(); ++k)
        p[k] = asRgb32(pieces[k]);
    const auto w = [&](int k) { return p[size_t(k)].width(); };
    const auto h = [&](int k) { return p[size_t(k)].height(); };

    tile(out, p[0], -ox, -oy, 1, 1);
    tile(out, p[1], w(0) - ox, -oy, tileCount(W, w(1)), 1);
    tile(out, p[2], W - w(2) - ox, -oy, 1, 1);
    tile(out, p[3], -ox, h(0) - oy, 1, tileCount(H, h(3)));
    tile(out, p[4], w(0) - ox, h(0) - oy, tileCount(W, w(4)), tileCount(H, h(4)));
    tile(out, p[5], W - w(5) - ox, h(2) - oy, 1, tileCount(H, h(5)));
    tile(out, p[6], -ox, H - h(6) - oy, 1, 1);
    tile(out, p[7], w(6) - ox, H - h(6) - oy, tileCount(W, w(7)), 1);
    tile(out, p[8], W - w(8) - ox, H - h(8) - oy, 1, 1);
    return out;
}

} // namespace ResizepicComposer

QSize ResizepicComposer::naturalSize(const ResizepicPieces &pieces)
{
    const auto side = [&](int a, int b, int c, bool across) {
        const auto of = [&](int k) { return across ? pieces[size_t(k)].width() : pieces[size_t(k)].height(); };
        return std::min(std::max(of(a) + of(b) + of(c), 3 * of(a)), MaxSide);
    };
    return QSize(side(0, 1, 2, true), side(0, 3, 6, false));
}
