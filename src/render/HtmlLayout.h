#pragma once

#include "assets/TextConverter.h"
#include "platform/ColorText.h"

#include <QImage>
#include <QString>

#include <vector>

// The text of an HTML gump laid out in the bitmap font: words wrapped to the
// box width, a word wider than the box broken where it overflows. Read tags
// (any case): <BR> and <P> break the line; <CENTER> and <DIV ALIGN=LEFT|
// CENTER|RIGHT> align the lines they hold (each starts and ends a line);
// <B> draws bold (each glyph twice, one pixel apart); <BASEFONT COLOR=#rrggbb>
// colours the text up to </BASEFONT>. Other tags are dropped; a "<" without
// a closing ">" is text. Entities &lt; &gt; &amp; &quot; &nbsp; are read.
class HtmlLayout
{
public:
    enum class Align { Left, Center, Right };

    struct Piece
    {
        QString text;
        ColorValue colour = 0;
        bool bold = false;
        int x = 0;       // from the line's left end
        int width = 0;
    };
    struct Line
    {
        std::vector<Piece> pieces;
        int width = 0;
        Align align = Align::Left;
    };

    // Lines of the font's height.
    static constexpr int LineHeight = TextConverter::Height;

    static std::vector<Line> layout(const QString &html, int boxWidth, const TextConverter &converter,
                                    TextConverter::Mode mode, ColorValue colour);

    // The lines drawn into a picture of the box size on white paper (the
    // transparent colour of text), clipped to the box.
    static QImage render(const std::vector<Line> &lines, QSize box, const TextConverter &converter,
                         TextConverter::Mode mode);
    // The lines drawn onto a picture, from its top left, clipped to width.
    static void drawOnto(QImage &target, QPoint origin, int width, const std::vector<Line> &lines,
                         const TextConverter &converter, TextConverter::Mode mode);
};
