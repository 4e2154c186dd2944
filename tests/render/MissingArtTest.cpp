#include "render/ControlDrawing.h"
#include "render/PageRenderer.h"
#include "support/SyntheticFont.h"

#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// "A" advances 5 pixels and is drawn as a box with an outline.
TextConverter fontWithA()
{
    return TextConverter(BitmapFontFile::read(
        SyntheticFont::fileBytes({SyntheticFont::glyph("A.BMP", "5", SyntheticFont::boxRows(1, 4, 3, 10))})));
}

// The frame as a painter draws it, keyed out afterwards: what the canvas drew
// before the frame was written pixel by pixel.
QImage paintedFrame(QSize box, const QString &label, const TextConverter &converter, TextConverter::Mode mode)
{
    const QSize size(std::clamp(std::max(box.width(), 2), 0, ControlDrawing::MaxSide),
                     std::clamp(std::max(box.height(), 2), 0, ControlDrawing::MaxSide));
    QImage out(size, QImage::Format_RGB32);
    out.fill(TransparentColor::Art);
    QPainter painter(&out);
    painter.setPen(QColor::fromRgb(ControlDrawing::PlaceholderFrame));
    painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
    const QImage text = converter.render(label, 0x303030, mode);
    if (!text.isNull()) {
        painter.setClipRect(1, 1, size.width() - 2, size.height() - 2);
        painter.drawImage(3, 3, ElementBitmap::keyedOut(text, TransparentColor::Text));
    }
    return out;
}

} // namespace

TEST(MissingArt, DrawsWhatAPainterDrewInBothForms)
{
    const TextConverter converter = fontWithA();
    const struct
    {
        QSize box;
        const char *label;
    } cases[] = {
        {QSize(44, 44), "AAAAAAAAAAAA"},    // label cut at the frame's right
        {QSize(60, 8), "AA A"},             // and at its foot
        {QSize(2, 2), "A"},                 // no room inside at all
        {QSize(0, -5), "A"},                // an empty box still shows a frame
        {QSize(5, 5), ""},
        {QSize(30, 40), "{|}"},             // nothing of the label is drawn
        {QSize(ControlDrawing::MaxSide + 50, 12), "AAA"},
    };
    for (const auto &c : cases) {
        for (const TextConverter::Mode mode : {TextConverter::Mode::Plain, TextConverter::Mode::Perfect}) {
            const QString label = QString::fromLatin1(c.label);
            const QImage expected = paintedFrame(c.box, label, converter, mode);
            const ElementBitmap drawn = ControlDrawing::missingArt(c.box, label, converter, mode);
            const auto what = [&] { return testing::Message() << c.label << " " << c.box.width() << "x" << c.box.height() << " mode " << int(mode); };
            EXPECT_TRUE(drawn.isPlaceholder()) << what();
            EXPECT_EQ(drawn.image().format(), QImage::Format_RGB32) << what();
            EXPECT_EQ(drawn.image(), expected) << what();
            EXPECT_EQ(drawn.seeThrough(), ElementBitmap::keyedOut(expected, TransparentColor::Art)) << what();
        }
    }
}

// Art found is kept for the next render; art missing is not, so a design of
// many missing names does not fill the cache with empty entries.
TEST(MissingArt, OnlyFoundArtIsKeptInTheCache)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString root = dir.path() + u'/';
    ASSERT_TRUE(QDir().mkpath(root + QStringLiteral("DATA/buttons")));
    QImage art(4, 4, QImage::Format_RGB32);
    art.fill(Qt::blue);
    ASSERT_TRUE(art.save(root + QStringLiteral("DATA/B.bmp"), "BMP"));
    ASSERT_TRUE(art.save(root + QStringLiteral("DATA/buttons/K.bmp"), "BMP"));

    const struct
    {
        QStringList record;
        int kept;
    } cases[] = {
        {{"gumppic", "1", "1", "B.bmp"}, 1},
        {{"gumppic", "1", "1", "2A.bmp"}, 0},
        {{"button", "1", "1", "K.bmp", "1", "0", "0", ""}, 1},
        {{"button", "1", "1", "gone.bmp", "1", "0", "0", ""}, 0},
    };
    for (const bool placeholders : {false, true}) {
        for (const auto &c : cases) {
            PageRenderer renderer(root);
            RenderOptions options;
            options.placeholders = placeholders;
            const QStringList lines = QStringList{"{BOP", "0"} + c.record + QStringList{"}EOP"};
            const RenderResult first = renderer.render(lines, options);
            EXPECT_EQ(renderer.imageCache().entryCount(), c.kept) << c.record.join(u' ').toStdString();
            // A second render draws the same from what was kept.
            EXPECT_EQ(renderer.render(lines, options).page, first.page) << c.record.join(u' ').toStdString();
        }
    }
}

// A see-through canvas draws a missing picture's frame and label without
// composing its picture: the pixels are those of the picture drawn there.
TEST(MissingArt, TheCanvasDrawsTheSameAsTheFramesPicture)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString root = dir.path() + u'/';
    ASSERT_TRUE(QDir().mkpath(root + QStringLiteral("DATA/buttons")));
    for (const QStringList &record : {QStringList{"gumppic", "5", "7", "AAA.bmp"},
                                      QStringList{"resizepic", "3", "4", "2600.bmp", "30", "9"}}) {
        PageRenderer renderer(root);
        renderer.textConverter() = fontWithA();
        RenderOptions options;
        options.placeholders = true;
        options.canvasSize = QSize(80, 60);
        options.highlightSelected = false;
        const QStringList lines = QStringList{"{BOP", "0"} + record + QStringList{"}EOP"};
        const QImage page = renderer.render(lines, options).page;
        const ElementBitmap bitmap = renderer.elementBitmap(lines, 2, options);
        ASSERT_TRUE(bitmap.isPlaceholder());
        // The element's box on the canvas, against its see-through picture drawn on the canvas colour.
        const QRect box(record[1].toInt(), record[2].toInt(), bitmap.width(), bitmap.height());
        QImage expected(box.size(), QImage::Format_RGB32);
        expected.fill(0xFFFFFFFFu);
        QPainter(&expected).drawImage(0, 0, bitmap.seeThrough());
        EXPECT_EQ(page.copy(box), expected) << record.join(u' ').toStdString();
    }
}
