#include "assets/BitmapFontFile.h"

#include <QBuffer>
#include "platform/CappedFile.h"

#include <QFile>

namespace BitmapFontFile {

namespace {

constexpr int MaxNameLength = NameFieldSize - 1;
constexpr int MaxWidthLength = WidthRecordSize - 1;

// A length-prefixed string field; a length byte above what the field holds
// is taken as the field's capacity.
QString fieldText(const char *field, int capacity)
{
    const int length = std::min<int>(uchar(field[0]), capacity);
    return QString::fromLatin1(field + 1, length);
}

QRgb pixelOf(char picture, QRgb current)
{
    switch (picture) {
    case '0': return Paper;
    case '1': return Outline;
    case '2': return MarkerGrey;
    default: return current;
    }
}

void drawCell(QImage &strip, int glyph, const char *picture)
{
    if (glyph >= DrawnGlyphs)
        return;
    const int left = CellPitch * glyph;
    for (int c = 0; c < CellWidth; ++c)
        for (int r = 0; r < CellHeight; ++r) {
            auto *pixel = reinterpret_cast<QRgb *>(strip.scanLine(r)) + left + c;
            *pixel = pixelOf(picture[c * CellHeight + r], *pixel);
        }
}

} // namespace

BitmapFont read(QIODevice &device)
{
    BitmapFont font;
    // A fresh bitmap is white paper; the gaps between cells stay so.
    font.glyphStrip = QImage(StripWidth, StripHeight, QImage::Format_RGB32);
    font.glyphStrip.fill(Paper);

    char countBytes[4];
    if (device.read(countBytes, 4) != 4)
        return font;
    const qint32 count = qint32(quint32(uchar(countBytes[0])) | quint32(uchar(countBytes[1])) << 8
                                | quint32(uchar(countBytes[2])) << 16 | quint32(uchar(countBytes[3])) << 24);
    if (count <= 0)
        return font;
    const qint64 firstGlyph = device.pos();
    const int wanted = std::min(count, MaxGlyphs);

    char record[GlyphRecordSize];
    int glyphs = 0;
    while (glyphs < wanted && device.read(record, GlyphRecordSize) == GlyphRecordSize) {
        font.glyphNames.append(fieldText(record + ReservedSize, MaxNameLength));
        drawCell(font.glyphStrip, glyphs, record + ReservedSize + NameFieldSize);
        ++glyphs;
    }
    // Width records follow all the count's glyph records; when those are not
    // all there, neither are the widths.
    if (glyphs < wanted)
        return font;
    if (glyphs < count) {
        // Glyph records past MaxGlyphs are skipped unread.
        const qint64 firstWidth = firstGlyph + qint64(count) * GlyphRecordSize;
        if (device.isSequential() || firstWidth > device.size() || !device.seek(firstWidth))
            return font;
    }
    char width[WidthRecordSize];
    for (int i = 0; i < glyphs && device.read(width, WidthRecordSize) == WidthRecordSize; ++i)
        font.glyphWidths.append(fieldText(width, MaxWidthLength));
    return font;
}

BitmapFont read(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return read(buffer);
}

std::optional<BitmapFont> load(const QString &path)
{
    const CappedFile::Result file = CappedFile::read(path);
    if (file.outcome != CappedFile::Outcome::Read)
        return std::nullopt;
    return read(file.bytes);
}

} // namespace BitmapFontFile
