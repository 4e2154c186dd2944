// Randomised damaged inputs for the font reader, the converter that draws
// with what it read, and the BMP reader. Built with sanitizers: any read past
// a buffer or undefined arithmetic aborts the run.
#include "assets/BitmapFile.h"
#include "assets/BitmapFontFile.h"
#include "assets/TextConverter.h"
#include "support/SyntheticArt.h"
#include "support/SyntheticFont.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <random>

namespace F = BitmapFontFile;
using namespace SyntheticFont;

namespace {

qint64 budgetMs()
{
    bool ok = false;
    const double seconds = qEnvironmentVariable("QM_FUZZ_SECONDS").toDouble(&ok);
    return qint64((ok && seconds > 0 ? seconds : 5.0) * 1000);
}

std::uint32_t seed()
{
    bool ok = false;
    const uint s = qEnvironmentVariable("QM_FUZZ_SEED").toUInt(&ok);
    return ok ? s : std::random_device{}();
}

class Mutator
{
public:
    explicit Mutator(std::uint32_t seed) : m_random(seed) {}

    int below(int n) { return n <= 0 ? 0 : int(m_random() % unsigned(n)); }
    bool chance(int percent) { return below(100) < percent; }

    QByteArray mutate(QByteArray bytes)
    {
        const int steps = 1 + below(6);
        for (int i = 0; i < steps; ++i) {
            switch (below(8)) {
            case 0:   // flip bytes
                for (int n = below(8) + 1; n > 0 && !bytes.isEmpty(); --n)
                    bytes[below(int(bytes.size()))] = char(m_random());
                break;
            case 1:   // cut
                bytes.truncate(below(int(bytes.size()) + 1));
                break;
            case 2:   // a telling count
                if (bytes.size() >= 4) {
                    static const qint32 counts[] = {0, 1, 2, -1, -524, 93, 94, 95, 4096, 4097, 0x7FFFFFFF,
                                                    qint32(0x80000000u), 0x10000};
                    const qint32 c = chance(70) ? counts[below(int(std::size(counts)))] : qint32(m_random());
                    bytes.replace(0, 4, countField(c));
                }
                break;
            case 3:   // a length byte out of range, at a record boundary or anywhere
                if (!bytes.isEmpty()) {
                    const int at = chance(50) ? 6 + F::GlyphRecordSize * below(8) : below(int(bytes.size()));
                    if (at < bytes.size())
                        bytes[at] = char(60 + below(196));
                }
                break;
            case 4:   // junk at the end
                for (int n = below(700); n > 0; --n)
                    bytes += char(m_random());
                break;
            case 5:   // a piece removed from the middle
                if (!bytes.isEmpty()) {
                    const int at = below(int(bytes.size()));
                    bytes.remove(at, below(600));
                }
                break;
            case 6:   // stray picture characters
                for (int n = below(40); n > 0 && bytes.size() > 4; --n)
                    bytes[4 + below(int(bytes.size()) - 4)] = "0123\x1A\r\n"[below(7)];
                break;
            default:  // a stretch duplicated
                if (!bytes.isEmpty()) {
                    const int at = below(int(bytes.size()));
                    bytes.insert(below(int(bytes.size())), bytes.mid(at, below(1100)));
                }
                break;
            }
        }
        return bytes;
    }

    QString text()
    {
        static const QString alphabet = QStringLiteral("ABab |{}<>:\"./?*\\~0123456789xyzXYZ\u00e9\u00c9\u4e2d\U0001F600");
        QString t;
        for (int n = below(60); n > 0; --n)
            t += alphabet[below(int(alphabet.size()))];
        return t;
    }

    std::uint32_t next() { return m_random(); }

private:
    std::mt19937 m_random;
};

QList<QByteArray> fontSeeds()
{
    QList<SyntheticGlyph> few;
    const char *names[] = {"A.BMP", "SA.BMP", "sb.bmp", "COLEN.BMP", "PERIOD.BMP", "X.BMP", "'D.BMP"};
    const char *widths[] = {"5", "4", "30", "-7", "$1F", "x", "99999999"};
    for (int i = 0; i < 7; ++i)
        few.append(glyph(names[i], widths[i], boxRows(1 + i, 1 + i, 3 + 2 * i, 5 + i)));
    QList<SyntheticGlyph> many;
    for (int i = 0; i < 95; ++i)
        many.append(glyph("G" + QByteArray::number(i) + ".BMP", QByteArray::number(i % 25), boxRows(2, 2, 6, 9)));
    return {fileBytes(few), fileBytes(many), QByteArray(), countField(3)};
}

void checkFont(const QByteArray &bytes, const BitmapFont &font)
{
    ASSERT_EQ(font.glyphStrip.size(), QSize(F::StripWidth, F::StripHeight));
    const qint64 records = std::max<qint64>(0, (bytes.size() - 4) / F::GlyphRecordSize);
    ASSERT_LE(font.glyphNames.size(), std::min<qint64>(records, F::MaxGlyphs));
    ASSERT_LE(font.glyphWidths.size(), font.glyphNames.size());
    for (const QString &name : font.glyphNames)
        ASSERT_LE(name.size(), 59);
    for (const QString &width : font.glyphWidths)
        ASSERT_LE(width.size(), 8);
}

} // namespace

TEST(FontReaderFuzz, DamagedFontsAndTextsUnderSanitizers)
{
    const std::uint32_t s = seed();
    SCOPED_TRACE(testing::Message() << "QM_FUZZ_SEED=" << s);
    Mutator m(s);
    const QList<QByteArray> seeds = fontSeeds();
    const qint64 budget = budgetMs() * 4 / 5;
    QElapsedTimer clock;
    clock.start();
    int runs = 0;
    while (clock.elapsed() < budget) {
        const QByteArray bytes = m.mutate(seeds[m.below(int(seeds.size()))]);
        const BitmapFont font = F::read(bytes);
        checkFont(bytes, font);
        TextConverter converter(font);
        for (int k = 0; k < 4; ++k) {
            const QString text = m.text();
            const auto mode = k % 2 ? TextConverter::Mode::Perfect : TextConverter::Mode::Plain;
            const QImage image = converter.render(text, ColorValue(m.next() & 0x00FFFFFF), mode);
            ASSERT_EQ(image.width(), converter.width(text, mode));
            ASSERT_TRUE(image.isNull() || image.height() == TextConverter::Height);
        }
        ++runs;
    }
    std::printf("font reader: %d damaged files in %lld ms\n", runs, static_cast<long long>(clock.elapsed()));
    EXPECT_GT(runs, 0);
}

TEST(FontReaderFuzz, DamagedBitmaps)
{
    const std::uint32_t s = seed();
    SCOPED_TRACE(testing::Message() << "QM_FUZZ_SEED=" << s);
    Mutator m(s);
    QImage image = SyntheticArt::solid(37, 23, 0xFF808080u);
    image.setPixel(3, 4, 0xFF000000u);
    const QList<QByteArray> seeds = {SyntheticArt::bmpBytes(image),
                                     SyntheticArt::bmpBytes(image.convertToFormat(QImage::Format_Indexed8)),
                                     SyntheticArt::bmpBytes(image.convertToFormat(QImage::Format_Mono))};
    const qint64 budget = budgetMs() / 5;
    QElapsedTimer clock;
    clock.start();
    int runs = 0;
    while (clock.elapsed() < budget) {
        const QImage decoded = BitmapFile::decode(m.mutate(seeds[m.below(int(seeds.size()))]));
        ASSERT_TRUE(decoded.isNull() || decoded.format() == QImage::Format_RGB32);
        ++runs;
    }
    std::printf("bitmap reader: %d damaged files in %lld ms\n", runs, static_cast<long long>(clock.elapsed()));
}

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
