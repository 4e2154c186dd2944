// The check's rules for texts of every kind: what the server does to a text
// on its way to the player.
#include "sphere/DesignCheckRules.h"

#include "platform/SphereLine.h"

namespace DesignCheck {

namespace {

// The inline forms of these kinds take the text after the blanks that
// follow the last number; dtext and dcroppedtext keep them behind a ".".
bool dropsLeadingBlanksInline(ElementKind kind)
{
    return kind == ElementKind::Htmlgump || kind == ElementKind::Textentry;
}

// Room for a control word and its numbers on a text's script line.
constexpr int LinePrefixRoom = 128;

bool endsInServerBlank(QStringView text) { return text.back().isSpace() || text.back() == u'\u00A0'; }

// The server trims bytes it takes for blanks, 0xA0 among them, off the
// line's end: a letter whose UTF-8 ends in that byte loses it.
bool lastByteIsServerBlank(QStringView kept)
{
    if (kept.isEmpty())
        return false;
    const QByteArray utf8 = kept.right(2).toUtf8();
    return utf8.size() > 1 && quint8(utf8.back()) == 0xA0;
}

// The length of the text in UTF-8 bytes, counted without making them.
qsizetype utf8Length(QStringView text)
{
    qsizetype bytes = text.size();
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x80)
            bytes += u >= 0x800 && !QChar::isSurrogate(u) ? 2 : 1;
    }
    return bytes;
}

} // namespace

void Rules::checkText(const RecordWalker &w)
{
    number(QStringLiteral("hue"), w.field(3), CheckedFields::nameOf(ElementKind::Text, 3));
    const QString text = w.field(4);
    const bool recent = isRecentDialect();
    if (text.trimmed().isEmpty()) {
        // Inline, an empty text arrives empty; the older dialect has no inline text.
        if (!recent)
            warn(CheckedFields::Element,
                 QStringLiteral("the text is empty; the export leaves it out, since the server skips a blank "
                                "TEXT line and every later text would take the wrong string"));
        else if (!text.isEmpty())
            warn(CheckedFields::Text, QStringLiteral("the text is only blanks, which the server trims"));
        return;
    }
    if (SphereLine::readsAsBlank(text)) {
        warn(CheckedFields::Text,
             recent ? QStringLiteral("the text begins with \"//\", so the server reads it as empty")
                    : QStringLiteral("the text begins with \"//\", so the server reads it as empty; "
                                     "the export leaves it out"));
        return;
    }
    checkShownText(ElementKind::Text, text);
    for (const QChar c : {u'{', u'}', u'|', u':'}) {
        if (text.contains(c)) {
            advise(QStringLiteral("the text holds \"%1\"; the text window warns against { } | :").arg(c));
            break;
        }
    }
    countText(text);
}

// What the server does to the text of any kind on its way to the player.
void Rules::checkShownText(ElementKind kind, const QString &text, bool inlined)
{
    const QString &field = CheckedFields::Text;
    if (text.contains(u"//"))
        warn(field, QStringLiteral("the text holds \"//\", where the server cuts it"));
    else if (!text.isEmpty() && endsInServerBlank(text))
        warn(field, QStringLiteral("the text \"%1\" ends in blanks or tabs, which the server trims").arg(text));
    const QStringView kept = SphereLine::keptPart(text);
    if (!kept.isEmpty() && SphereLine::startsSection(kept)) {
        if (!isRecentDialect())
            fail(field, QStringLiteral("the text begins with \"[\", which ends the TEXT section, and dialect %1 has "
                                       "no inline text; the export stops there").arg(m_dialect));
        else if (dropsLeadingBlanksInline(kind) && kept.front().isSpace())
            warn(field, QStringLiteral("the text begins with \"[\" and goes inline, where the server drops the "
                                       "blanks before it"));
    } else if (inlined && dropsLeadingBlanksInline(kind) && !kept.isEmpty() && kept.front().isSpace()) {
        warn(field, QStringLiteral("the control goes inline, since the server computes a place or number of it, "
                                   "and there the server drops the blanks before the text"));
    }
    if (const qsizetype open = text.indexOf(u'<'); open >= 0 && text.indexOf(u'>', open) > open)
        inform(field, QStringLiteral("the server evaluates <…> in the text for each player; the canvas shows it "
                                     "as written"));
    if (lastByteIsServerBlank(kept))
        warn(field, QStringLiteral("the text ends in \"%1\", whose last byte the server takes for a blank and "
                                   "trims, so the letter arrives broken").arg(kept.back()));
    // With its control word and numbers before it, the text's script line is
    // longer still; the server cannot load a line past its limit.
    if (const qsizetype bytes = utf8Length(text); bytes > SphereLine::MaxLength - LinePrefixRoom)
        fail(field, QStringLiteral("the text is %1 bytes long; its script line would pass the %2 bytes the server "
                                   "reads; the export stops there").arg(bytes).arg(SphereLine::MaxLength));
}

// Texts take TEXT section numbers in order; each past the last the server
// numbers is named.
void Rules::countText(const QString &text)
{
    if (SphereLine::readsAsBlank(text) || ++m_texts <= DesignCheck::MaxNumbered)
        return;
    warn(CheckedFields::Text, QStringLiteral("text number %1 is past the %2 texts the server can number")
                                  .arg(m_texts - 1).arg(DesignCheck::MaxNumbered));
}

} // namespace DesignCheck
