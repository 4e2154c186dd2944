#pragma once

#include <QByteArray>
#include <QImage>
#include <QIODevice>
#include <QString>
#include <QStringList>
#include <optional>

// The game's lettering as unpacked from the font file: the glyph strip and,
// line for line, the name and the advance width of each glyph.
struct BitmapFont
{
    QImage glyphStrip;        // 2139 × 22, Format_RGB32; glyph i's cell at x = 23 × i
    QStringList glyphNames;   // "A.BMP", "SA.BMP", "PERIOD.BMP", …
    QStringList glyphWidths;  // advance of each glyph in pixels, as decimal text
};

// The font file: a little-endian 32-bit glyph count N, N glyph records
// (2 reserved bytes, a 60-byte name field holding a length byte and up to 59
// characters, a 22 × 21 picture of the characters "0" paper, "1" outline,
// "2" body, stored column by column), then N width records (a length byte and
// up to 8 digits). Read in binary.
namespace BitmapFontFile {

inline const QString FileName = QStringLiteral("UO0.CORE");

constexpr int CellWidth = 22;
constexpr int CellHeight = 21;
constexpr int CellPitch = 23;            // a blank column between two cells
constexpr int StripWidth = 2139;         // room for 93 cells
constexpr int StripHeight = 22;
constexpr int DrawnGlyphs = StripWidth / CellPitch;

constexpr int ReservedSize = 2;
constexpr int NameFieldSize = 60;
constexpr int PictureSize = CellWidth * CellHeight;
constexpr int GlyphRecordSize = ReservedSize + NameFieldSize + PictureSize;   // 524
constexpr int WidthRecordSize = 9;

// Glyphs read at most. A count above it (up to 2^31 − 1 in a damaged file)
// must not make the reader allocate for it; real fonts hold under a hundred.
constexpr int MaxGlyphs = 4096;

// Pixel colours of the picture characters.
constexpr QRgb Paper = 0xFFFFFFFFu;       // "0", white
constexpr QRgb Outline = 0xFF101021u;     // "1", colour value 0x211010
constexpr QRgb MarkerGrey = 0xFFBDBDBDu;  // "2", the body the converter recolours

// Reads the font from the device's current position. Glyphs past the 93rd
// are listed but not drawn; a picture character other than "0", "1", "2"
// leaves its pixel as it was (white). Reading stops at the end of the data:
// a record cut short and everything after it are not taken, so a count larger
// than the file holds gives only the records that are there.
BitmapFont read(QIODevice &device);
BitmapFont read(const QByteArray &bytes);

// The font in the file, or nothing when the file is missing or cannot be opened.
std::optional<BitmapFont> load(const QString &path);

} // namespace BitmapFontFile
