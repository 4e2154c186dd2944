#include "sphereclient/BigEndianWriting.h"
#include "sphereclient/ReceivedGump.h"

#include <gtest/gtest.h>

#include <ostream>

#include <QtEndian>

#include <functional>
#include <zlib.h>

namespace {

using BigEndianWriting::appendU16;
using BigEndianWriting::appendU32;

QByteArray deflated(const QByteArray &bytes)
{
    uLongf size = compressBound(uLong(bytes.size()));
    QByteArray out(qsizetype(size), '\0');
    EXPECT_EQ(compress2(reinterpret_cast<Bytef *>(out.data()), &size,
                        reinterpret_cast<const Bytef *>(bytes.constData()), uLong(bytes.size()), Z_DEFAULT_COMPRESSION),
              Z_OK);
    out.resize(qsizetype(size));
    return out;
}

// The texts as the server lays them out: u16 length, UTF-16BE units.
QByteArray textBlock(const QStringList &texts)
{
    QByteArray out;
    for (const QString &text : texts) {
        appendU16(out, quint16(text.size()));
        for (const QChar c : text)
            appendU16(out, c.unicode());
    }
    return out;
}

// The parts of a 0xDD packet, each of which a case may spoil.
struct CompressedGump
{
    qint32 x = -20;
    qint32 y = 40;
    QByteArray layout = "{resizepic 0 0 5054 200 100}{text 10 10 0 0}{ tooltip  1011 }{htmlgump 5 5 90 20 1 0 1}";
    QStringList texts = {QStringLiteral("Hello"), QStringLiteral("Caf\u00e9") + QChar(0)};
    bool withTexts = true;
    qint64 layoutFieldDelta = 0;   // added to the compressed length field
    std::optional<quint32> layoutField;  // replaces it
    qint64 layoutSizeDelta = 0;    // added to the uncompressed length
    std::optional<quint32> layoutSize;   // replaces the uncompressed length
    std::optional<quint32> textCount;    // replaces the text count
    qint64 lengthDelta = 0;        // added to the packet's length field

    QByteArray packet() const
    {
        QByteArray body;
        appendU32(body, 0x00000001);   // serial
        appendU32(body, 0x80A00431);   // gump id
        appendU32(body, quint32(x));
        appendU32(body, quint32(y));
        const QByteArray layoutBytes = layout + '\0';
        const QByteArray packedLayout = deflated(layoutBytes);
        appendU32(body, layoutField.value_or(quint32(qint64(packedLayout.size()) + 4 + layoutFieldDelta)));
        appendU32(body, layoutSize.value_or(quint32(layoutBytes.size() + layoutSizeDelta)));
        body.append(packedLayout);
        if (withTexts) {
            const QByteArray textBytes = textBlock(texts);
            const QByteArray packedTexts = deflated(textBytes);
            appendU32(body, textCount.value_or(quint32(texts.size())));
            appendU32(body, quint32(packedTexts.size() + 4));
            appendU32(body, quint32(textBytes.size()));
            body.append(packedTexts);
        }
        QByteArray out(1, char(0xDD));
        appendU16(out, quint16(qint64(body.size()) + 3 + lengthDelta));
        return out + body;
    }
};

struct RefusalCase
{
    const char *name;
    std::function<void(CompressedGump &)> spoil;
    const char *error;   // part of the reason
};

const RefusalCase refusalCases[] = {
    {"CompressedLayoutPastThePacket", [](CompressedGump &g) { g.layoutFieldDelta = 200; }, "run past the packet"},
    {"LayoutFieldBelowFour", [](CompressedGump &g) { g.layoutField = 3; }, "bad length field"},
    {"LayoutSizeOverTheCap", [](CompressedGump &g) { g.layoutSize = 0x7FFFFFFF; }, "more than"},
    {"LayoutShorterThanAnnounced", [](CompressedGump &g) { g.layoutSizeDelta = 5; }, "damaged or not"},
    {"TextCountPastTheData", [](CompressedGump &g) { g.textCount = 0xFFFFFFFF; }, "cannot fit"},
    {"OneTextTooMany", [](CompressedGump &g) { g.textCount = 3; }, "text 2 runs past"},
    {"TextsLeftOver", [](CompressedGump &g) { g.textCount = 1; }, "follow the texts"},
    {"LengthFieldDisagrees", [](CompressedGump &g) { g.lengthDelta = 1; }, "length field"},
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const RefusalCase &c, std::ostream *out)
{
    *out << c.name;
}

class ReceivedGumpRefuses : public ::testing::TestWithParam<RefusalCase>
{
};

TEST_P(ReceivedGumpRefuses, ADamagedPacket)
{
    CompressedGump gump;
    GetParam().spoil(gump);
    QString error;
    EXPECT_FALSE(readGumpPacket(gump.packet(), &error));
    EXPECT_TRUE(error.contains(QLatin1String(GetParam().error))) << error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cases, ReceivedGumpRefuses, ::testing::ValuesIn(refusalCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(ReceivedGump, ReadsACompressedGumpAsSent)
{
    QString error;
    const std::optional<ReceivedGump> gump = readGumpPacket(CompressedGump().packet(), &error);
    ASSERT_TRUE(gump) << error.toStdString();
    EXPECT_EQ(gump->serial, 1u);
    EXPECT_EQ(gump->gumpId, 0x80A00431u);
    EXPECT_EQ(gump->x, -20);
    EXPECT_EQ(gump->y, 40);
    EXPECT_EQ(gump->layout, QLatin1String(CompressedGump().layout));
    const QList<QStringList> controls = {{"resizepic", "0", "0", "5054", "200", "100"},
                                         {"text", "10", "10", "0", "0"},
                                         {"tooltip", "1011"},
                                         {"htmlgump", "5", "5", "90", "20", "1", "0", "1"}};
    EXPECT_EQ(gump->controls, controls);
    EXPECT_EQ(gump->texts, QStringList({"Hello", QStringLiteral("Caf\u00e9")}));
}

TEST(ReceivedGump, ADialogWithoutTextsEndsAfterItsLayout)
{
    CompressedGump sent;
    sent.withTexts = false;
    const std::optional<ReceivedGump> gump = readGumpPacket(sent.packet());
    ASSERT_TRUE(gump);
    EXPECT_TRUE(gump->texts.isEmpty());
    EXPECT_EQ(gump->controls.size(), 4);
}

TEST(ReceivedGump, ReadsThePlainPacket)
{
    QByteArray body;
    appendU32(body, 7);
    appendU32(body, 9);
    appendU32(body, quint32(-1));
    appendU32(body, 2);
    const QByteArray layout = "{button 1 2 3 4 1 0 0}{text 0 0 33 0}";
    appendU16(body, quint16(layout.size()));
    body.append(layout);
    appendU16(body, 1);
    body.append(textBlock({QStringLiteral("\u00e9t\u00e9") + QChar(0) + QChar(0)}));
    QByteArray packet(1, char(0xB0));
    appendU16(packet, quint16(body.size() + 3));
    packet += body;

    const std::optional<ReceivedGump> gump = readGumpPacket(packet);
    ASSERT_TRUE(gump);
    EXPECT_EQ(gump->x, -1);
    EXPECT_EQ(gump->controls.size(), 2);
    EXPECT_EQ(gump->texts, QStringList({QStringLiteral("\u00e9t\u00e9")}));
    // Cut anywhere, it is refused rather than read past its end.
    for (qsizetype cut = 0; cut < packet.size(); ++cut) {
        QByteArray shorter = packet.first(cut);
        if (cut >= 3)
            qToBigEndian<quint16>(quint16(cut), shorter.data() + 1);
        EXPECT_FALSE(readGumpPacket(shorter)) << "cut at " << cut;
    }
}

TEST(ReceivedGump, LayoutSplitsIntoGroupsOfWords)
{
    const QList<QStringList> expected = {{"page", "0"}, {"text", "1", "2", "3", "4"}, {"noclose"}};
    EXPECT_EQ(splitGumpLayout(QStringLiteral("{page 0}junk{ text\t1 2  3 4 }{noclose }{open")), expected);
}

} // namespace
