#include "render/HtmlLayout.h"
#include "render/ElementBitmap.h"

#include <QPainter>
#include <QRegularExpression>

namespace {

using Align = HtmlLayout::Align;
using Line = HtmlLayout::Line;
using Piece = HtmlLayout::Piece;

constexpr int BoldExtra = 1;

struct Style
{
    ColorValue colour;
    bool bold;
};

// Builds the lines: a word is collected as pieces of one style each, and
// placed when a space, a tag that breaks or the end is reached.
class LineBuilder
{
public:
    LineBuilder(int boxWidth, const TextConverter &converter, TextConverter::Mode mode)
        : m_boxWidth(std::max(1, boxWidth)), m_converter(converter), m_mode(mode),
          m_space(mode == TextConverter::Mode::Perfect ? TextConverter::PerfectSpace : TextConverter::PlainSpace)
    {
        m_lines.emplace_back();
    }

    void addCharacter(QChar c, const Style &style)
    {
        if (!m_word.empty() && m_word.back().colour == style.colour && m_word.back().bold == style.bold)
            m_word.back().text += c;
        else
            m_word.push_back({QString(c), style.colour, style.bold, 0, 0});
    }

    void addSpace()
    {
        placeWord();
        m_spacePending = !m_lines.back().pieces.empty();
    }

    // Ends the line; an empty line still takes its height only when asked.
    void breakLine(bool evenWhenEmpty)
    {
        placeWord();
        m_spacePending = false;
        if (evenWhenEmpty || !m_lines.back().pieces.empty())
            m_lines.push_back(Line{{}, 0, m_align});
    }

    void setAlign(Align align)
    {
        m_align = align;
        if (m_lines.back().pieces.empty())
            m_lines.back().align = align;
    }

    std::vector<Line> finish()
    {
        placeWord();
        if (m_lines.size() > 1 && m_lines.back().pieces.empty())
            m_lines.pop_back();
        return std::move(m_lines);
    }

private:
    int widthOf(const Piece &p) const
    {
        return m_converter.width(p.text, m_mode) + (p.bold ? BoldExtra : 0);
    }

    void placeWord()
    {
        if (m_word.empty())
            return;
        int wordWidth = 0;
        for (Piece &p : m_word)
            wordWidth += (p.width = widthOf(p));
        Line *line = &m_lines.back();
        const int gap = m_spacePending ? m_space : 0;
        if (!line->pieces.empty() && line->width + gap + wordWidth > m_boxWidth) {
            m_lines.push_back(Line{{}, 0, m_align});
            line = &m_lines.back();
        } else if (!line->pieces.empty()) {
            line->width += gap;
        }
        if (wordWidth > m_boxWidth - line->width)
            placeBroken(line);
        else
            append(*line, m_word);
        m_word.clear();
        m_spacePending = false;
    }

    static void append(Line &line, std::vector<Piece> &pieces)
    {
        for (Piece &p : pieces) {
            p.x = line.width;
            line.width += p.width;
            line.pieces.push_back(std::move(p));
        }
    }

    // A word wider than the room left: as many characters on each line as fit
    // (at least one, so the layout always moves on).
    void placeBroken(Line *line)
    {
        for (const Piece &word : m_word) {
            Piece part{QString(), word.colour, word.bold, 0, word.bold ? BoldExtra : 0};
            for (const QChar c : word.text) {
                const int w = m_converter.width(QString(c), m_mode);
                if (!part.text.isEmpty() || !line->pieces.empty()) {
                    if (line->width + part.width + w > m_boxWidth) {
                        if (!part.text.isEmpty()) {
                            std::vector<Piece> one{part};
                            append(*line, one);
                        }
                        m_lines.push_back(Line{{}, 0, m_align});
                        line = &m_lines.back();
                        part.text.clear();
                        part.width = word.bold ? BoldExtra : 0;
                    }
                }
                part.text += c;
                part.width += w;
            }
            if (!part.text.isEmpty()) {
                std::vector<Piece> one{part};
                append(*line, one);
            }
        }
    }

    const int m_boxWidth;
    const TextConverter &m_converter;
    const TextConverter::Mode m_mode;
    const int m_space;
    std::vector<Line> m_lines;
    std::vector<Piece> m_word;
    bool m_spacePending = false;
    Align m_align = Align::Left;
};

std::optional<ColorValue> colourAttribute(const QString &tag)
{
    static const QRegularExpression colour(QStringLiteral("COLOR\\s*=\\s*[\"']?#?([0-9A-F]{6})"),
                                           QRegularExpression::CaseInsensitiveOption);
    const auto m = colour.match(tag);
    if (!m.hasMatch())
        return std::nullopt;
    const quint32 rgb = m.captured(1).toUInt(nullptr, 16);
    // #rrggbb to the colour value's 0x00BBGGRR.
    return ColorValue((rgb & 0xFF) << 16 | (rgb & 0xFF00) | (rgb >> 16 & 0xFF));
}

Align alignAttribute(const QString &tag)
{
    static const QRegularExpression align(QStringLiteral("ALIGN\\s*=\\s*[\"']?(\\w+)"),
                                          QRegularExpression::CaseInsensitiveOption);
    const QString value = align.match(tag).captured(1).toUpper();
    return value == u"RIGHT" ? Align::Right : value == u"CENTER" ? Align::Center : Align::Left;
}

std::optional<QChar> entityAt(const QString &html, qsizetype &i)
{
    static const std::pair<QStringView, QChar> entities[] = {
        {u"&lt;", u'<'}, {u"&gt;", u'>'}, {u"&amp;", u'&'}, {u"&quot;", u'"'}, {u"&nbsp;", QChar(0xA0)}};
    for (const auto &[name, c] : entities) {
        if (QStringView(html).mid(i).startsWith(name, Qt::CaseInsensitive)) {
            i += name.size() - 1;
            return c;
        }
    }
    return std::nullopt;
}

} // namespace

std::vector<Line> HtmlLayout::layout(const QString &html, int boxWidth, const TextConverter &converter,
                                     TextConverter::Mode mode, ColorValue colour)
{
    LineBuilder builder(boxWidth, converter, mode);
    std::vector<ColorValue> colours{colour};
    std::vector<Align> aligns{Align::Left};
    int bold = 0;
    for (qsizetype i = 0; i < html.size(); ++i) {
        const QChar c = html[i];
        if (c == u'<') {
            const qsizetype end = html.indexOf(u'>', i + 1);
            if (end > i) {
                const QString tag = html.mid(i + 1, end - i - 1).trimmed();
                const bool closing = tag.startsWith(u'/');
                const QString name = tag.mid(closing ? 1 : 0).section(u' ', 0, 0).toUpper().remove(u'/');
                i = end;
                if (name == u"BR" || name == u"P") {
                    builder.breakLine(true);
                } else if (name == u"B") {
                    bold = std::max(0, bold + (closing ? -1 : 1));
                } else if (name == u"BASEFONT") {
                    if (closing && colours.size() > 1)
                        colours.pop_back();
                    else if (!closing)
                        colours.push_back(colourAttribute(tag).value_or(colours.back()));
                } else if (name == u"CENTER" || name == u"DIV") {
                    builder.breakLine(false);
                    if (closing && aligns.size() > 1)
                        aligns.pop_back();
                    else if (!closing)
                        aligns.push_back(name == u"CENTER" ? Align::Center : alignAttribute(tag));
                    builder.setAlign(aligns.back());
                }
                continue;
            }
        }
        if (c.isSpace() && c != QChar(0xA0)) {
            builder.addSpace();
            continue;
        }
        const QChar shown = c == u'&' ? entityAt(html, i).value_or(c) : c;
        builder.addCharacter(shown == QChar(0xA0) ? QChar(u' ') : shown, Style{colours.back(), bold > 0});
    }
    return builder.finish();
}

void HtmlLayout::drawOnto(QImage &target, QPoint origin, int width, const std::vector<Line> &lines,
                          const TextConverter &converter, TextConverter::Mode mode)
{
    QPainter painter(&target);
    painter.setClipRect(QRect(origin, QSize(width, target.height() - origin.y())));
    int y = origin.y();
    for (const Line &line : lines) {
        if (y >= target.height())
            break;
        const int room = width - line.width;
        const int left = origin.x()
                         + (line.align == Align::Right ? room : line.align == Align::Center ? room / 2 : 0);
        for (const Piece &p : line.pieces) {
            const QImage glyphs = ElementBitmap::keyedOut(converter.render(p.text, p.colour, mode), TransparentColor::Text);
            if (glyphs.isNull())
                continue;
            painter.drawImage(left + p.x, y, glyphs);
            if (p.bold)
                painter.drawImage(left + p.x + BoldExtra, y, glyphs);
        }
        y += LineHeight;
    }
}

QImage HtmlLayout::render(const std::vector<Line> &lines, QSize box, const TextConverter &converter,
                          TextConverter::Mode mode)
{
    if (box.isEmpty())
        return QImage();
    QImage out(box, QImage::Format_RGB32);
    out.fill(TransparentColor::Text);
    drawOnto(out, QPoint(0, 0), box.width(), lines, converter, mode);
    return out;
}
