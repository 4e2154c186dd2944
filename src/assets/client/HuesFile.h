#pragma once

#include <QByteArray>
#include <QRgb>
#include <QString>

#include <array>
#include <vector>

// hues.mul: groups of a 4-byte header and eight hues, each 32 colours from
// darkest to lightest, two table words and a 20-byte name.
struct ClientHue
{
    std::array<quint16, 32> colours{};
    QString name;   // as stored, up to the first zero byte, Latin-1
};

namespace HuesFile {

inline const QString FileName = QStringLiteral("hues.mul");
constexpr int GroupSize = 708;
constexpr int HuesPerGroup = 8;
constexpr int HueSize = 88;
// The colour of a hue that gump text is drawn in.
constexpr int TextColourIndex = 30;

// Record i is hue number i + 1. Only whole groups are read; a file that
// ends inside a group keeps the hues that are whole.
std::vector<ClientHue> read(const QByteArray &bytes);
std::vector<ClientHue> load(const QString &clientDir);

// The colour of a text in Sphere hue V as the client draws it: record V,
// colour 30 (V's record counted from 0; the client adds one). Black for 0.
QRgb textColour(const std::vector<ClientHue> &hues, int sphereHue);

} // namespace HuesFile
