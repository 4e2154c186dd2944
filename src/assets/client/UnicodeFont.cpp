#include "assets/client/UnicodeFont.h"
#include "assets/client/ClientFile.h"

namespace {

constexpr qsizetype OffsetTable = 65536 * 4;

} // namespace

UnicodeFont UnicodeFont::read(const QByteArray &bytes)
{
    UnicodeFont font;
    if (bytes.size() >= OffsetTable)
        font.m_data = bytes;
    return font;
}

UnicodeFont UnicodeFont::load(const QString &clientDir, const QString &name)
{
    const auto file = ClientFile::open(clientDir, name);
    if (!file)
        return UnicodeFont();
    return read(QByteArray(reinterpret_cast<const char *>(file->data()), file->size()));
}

bool UnicodeFont::has(char16_t unit) const
{
    return glyph(unit).width > 0;
}

UnicodeFont::Glyph UnicodeFont::glyph(char16_t unit) const
{
    Glyph g;
    if (m_data.isEmpty())
        return g;
    const auto *d = reinterpret_cast<const uchar *>(m_data.constData());
    const qsizetype at = qsizetype(unit) * 4;
    const qint64 offset = qint32(quint32(d[at]) | quint32(d[at + 1]) << 8 | quint32(d[at + 2]) << 16 | quint32(d[at + 3]) << 24);
    if (offset <= 0 || offset > m_data.size() - 4)
        return g;
    const int width = d[offset + 2], height = d[offset + 3];
    const qint64 stride = (width + 7) / 8;
    if (offset + 4 + stride * height > m_data.size())
        return g;
    g.xOffset = qint8(d[offset]);
    g.yOffset = qint8(d[offset + 1]);
    g.width = width;
    g.height = height;
    g.bits.resize(size_t(width * height));
    const uchar *rows = d + offset + 4;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            g.bits[size_t(y * width + x)] = rows[y * stride + x / 8] & (0x80 >> (x % 8));
    return g;
}
