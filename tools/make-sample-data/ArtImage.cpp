#include "ArtImage.h"
#include "Painting.h"

#include <QPainter>

#include "platform/RuntimeError.h"

#include <QFile>
#include <QFontDatabase>
#include <QHash>

#include <algorithm>
#include <cmath>

namespace ArtImage {

namespace {

// Below this coverage a pixel counts as outside the shape.
constexpr int OpaqueAlpha = 110;
// What soft edges fade into: a warm near-black.
constexpr QRgb RimColor = qRgb(20, 16, 12);
// 2835 pixels per metre is 72 dpi; fixed so the header never varies.
constexpr int DotsPerMeter = 2835;

QRgb notBlack(QRgb c)
{
    return (c & 0xFFFFFF) == 0 ? qRgb(1, 1, 1) : c;
}

} // namespace

QImage canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage flatten(const QImage &painted)
{
    const QImage src = painted.convertToFormat(QImage::Format_ARGB32);
    QImage out(src.size(), QImage::Format_RGB32);
    for (int y = 0; y < src.height(); ++y) {
        const QRgb *in = reinterpret_cast<const QRgb *>(src.constScanLine(y));
        QRgb *dst = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            const int a = qAlpha(in[x]);
            if (a < OpaqueAlpha) {
                dst[x] = qRgb(0, 0, 0);
                continue;
            }
            const auto over = [a](int c, int rim) { return (c * a + rim * (255 - a) + 127) / 255; };
            dst[x] = notBlack(qRgb(over(qRed(in[x]), qRed(RimColor)),
                                   over(qGreen(in[x]), qGreen(RimColor)),
                                   over(qBlue(in[x]), qBlue(RimColor))));
        }
    }
    return out;
}

QImage liftBlack(const QImage &image)
{
    QImage out = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            line[x] = notBlack(line[x]);
    }
    return out;
}

void saveBmp(const QImage &image, const QString &path)
{
    QImage out = image.convertToFormat(QImage::Format_RGB32);
    out.setDotsPerMeterX(DotsPerMeter);
    out.setDotsPerMeterY(DotsPerMeter);
    if (!out.save(path, "BMP"))
        throw RuntimeError::cannotCreate(path);
}

void saveBytes(const QByteArray &bytes, const QString &path)
{
    // Generated files are simply made again after a failed run, so no atomic
    // replace (and its sync to disk) is needed.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
        throw RuntimeError::cannotCreate(path);
}

QColor mix(const QColor &a, const QColor &b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    const auto lerp = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                  lerp(a.alpha(), b.alpha()));
}

QColor shade(const QColor &c, double factor)
{
    const auto s = [factor](int x) { return std::clamp(int(std::lround(x * factor)), 0, 255); };
    return QColor(s(c.red()), s(c.green()), s(c.blue()), c.alpha());
}

QString dejaVuPath(const QString &style)
{
    const QString path = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVu%1.ttf").arg(style);
    if (!QFile::exists(path))
        throw RuntimeError(QStringLiteral("Font %1 not found (install fonts-dejavu-core)").arg(path));
    return path;
}

QString dejaVuFamily(const QString &style)
{
    static QHash<QString, QString> loaded;
    if (const auto it = loaded.constFind(style); it != loaded.constEnd())
        return *it;
    const QString path = dejaVuPath(style);
    const int id = QFontDatabase::addApplicationFont(path);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty())
        throw RuntimeError(QStringLiteral("Font %1 could not be loaded").arg(path));
    loaded.insert(style, families.first());
    return families.first();
}

QImage painted(int width, int height, const std::function<void(QPainter &)> &painter)
{
    QImage image = canvas(width, height);
    QPainter p(&image);
    Painting::prepare(p);
    painter(p);
    p.end();
    return flatten(image);
}

} // namespace ArtImage
