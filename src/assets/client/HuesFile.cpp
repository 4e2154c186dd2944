#include "assets/client/HuesFile.h"
#include "assets/client/ClientFile.h"
#include "assets/client/GumpPixels.h"

namespace HuesFile {

std::vector<ClientHue> read(const QByteArray &bytes)
{
    const auto *d = reinterpret_cast<const uchar *>(bytes.constData());
    const auto u16 = [d](qsizetype at) { return quint16(d[at] | (d[at + 1] << 8)); };
    std::vector<ClientHue> hues;
    const qsizetype groups = bytes.size() / GroupSize;
    hues.reserve(size_t(groups) * HuesPerGroup);
    for (qsizetype g = 0; g < groups; ++g) {
        for (int h = 0; h < HuesPerGroup; ++h) {
            const qsizetype at = g * GroupSize + 4 + h * HueSize;
            ClientHue hue;
            for (int c = 0; c < 32; ++c)
                hue.colours[size_t(c)] = u16(at + 2 * c);
            const char *name = bytes.constData() + at + 68;
            hue.name = QString::fromLatin1(name, qstrnlen(name, 20)).trimmed();
            hues.push_back(std::move(hue));
        }
    }
    return hues;
}

std::vector<ClientHue> load(const QString &clientDir)
{
    const auto file = ClientFile::open(clientDir, FileName);
    if (!file)
        return {};
    return read(QByteArray::fromRawData(reinterpret_cast<const char *>(file->data()), file->size()));
}

QRgb textColour(const std::vector<ClientHue> &hues, int sphereHue)
{
    if (sphereHue <= 0 || size_t(sphereHue) >= hues.size())
        return 0xFF000000u;
    const quint16 colour = hues[size_t(sphereHue)].colours[TextColourIndex] & 0x7FFF;
    return colour == 0 ? 0xFF000000u : GumpPixels::toRgb(colour);
}

} // namespace HuesFile
