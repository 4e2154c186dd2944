#include "document/FieldValue.h"
#include "document/LineBreaks.h"
#include "platform/FileNameText.h"
#include "platform/NumberText.h"
#include "platform/RuntimeError.h"
#include "platform/SphereLine.h"
#include "sphere/ScriptWriter.h"
#include "sphere/SphereDialect.h"

#include <QStringBuilder>

// A record that cannot be written stops the export with a message that names its line.
void ScriptWriter::writeElementOfLine(const RecordWalker &w)
{
    if (const int field = LineBreaks::misplacedIn(w); field >= 0)
        throw RuntimeError(QStringLiteral("Line %1: %2").arg(w.line() + 1)
                               .arg(LineBreaks::problem(w, field)));
    try {
        writeElement(w);
    } catch (const RuntimeError &e) {
        throw RuntimeError(QStringLiteral("Line %1: %2").arg(w.line() + 1).arg(e.message()));
    }
}

// A position the server computes (a relative place, an expression) goes out as written.
QString ScriptWriter::place(const QString &field)
{
    return FieldValue::formOf(field) == FieldValue::Form::Relative ? field : number(field);
}

// A field that makes the longer form of a control: set, or computed by the server.
bool ScriptWriter::isSet(const QString &field)
{
    return FieldValue::isComputed(field) || NumberText::parseOr(field, 0) != 0;
}

void ScriptWriter::writeElement(const RecordWalker &w)
{
    if (w.kind() == ElementKind::Script) {
        m_out << w.field(Records::ScriptLineField);
        m_groups.scriptLine(w.field(Records::ScriptLineField));
        return;
    }
    const QString position = place(w.field(1)) % u' ' % place(w.field(2));
    switch (w.kind()) {
    case ElementKind::Gumppic:
        m_out << QStringLiteral("gumppic ") % position % u' ' % gumpNumber(w.field(3));
        break;
    case ElementKind::Resizepic:
        m_out << QStringLiteral("resizepic ") % position % u' ' % number(FileNameText::artName(w.field(3))) % u' '
                     % number(w.field(4)) % u' ' % number(w.field(5));
        break;
    case ElementKind::Button:
        writeButton(w, position);
        break;
    case ElementKind::Text:
        if (m_inlineTexts) {
            m_out << QStringLiteral("dtext ") + position + u' ' + w.field(3) + u' ' + dottedText(w.field(4));
            break;
        }
        // A text the server would read as blank in the TEXT section skips
        // its index there, and every later text would take the wrong
        // string: such a text goes inline, where it takes none.
        // The older dialect has no inline text: there it is left out.
        if (SphereLine::readsAsBlank(w.field(4))) {
            if (isRecent())
                m_out << QStringLiteral("dtext ") + position + u' ' + number(w.field(3));
            break;
        }
        // So does one whose place or hue the server computes: only the
        // inline form has the server read them.
        if (mustStandInline(w.field(4)) || SphereDialect::inlineForComputed(m_dialect, w)) {
            m_out << QStringLiteral("dtext ") + position + u' ' + number(w.field(3)) + u' '
                         + dottedText(w.field(4));
            break;
        }
        m_out << QStringLiteral("text ") % position % u' ' % number(w.field(3)) % u' ' % textIndex(w.field(4));
        break;
    case ElementKind::None:
        break;
    default:
        if (SphereDialect::hasKind(m_dialect, w.kind()))
            writeNewerKind(w, position);
        break;
    }
}

// A text that would end the TEXT section as a section header ("[...")
// goes inline in the layout line instead. The older dialect has no
// inline form: the export stops there.
bool ScriptWriter::mustStandInline(const QString &text) const
{
    if (!SphereLine::startsSection(text))
        return false;
    if (!isRecent())
        throw RuntimeError(QStringLiteral("the text \"%1\" begins with \"[\", which ends the TEXT section, "
                                          "and dialect %2 has no inline text").arg(text, m_dialect));
    return true;
}

// dtext and dcroppedtext drop one leading "." and the blanks before it:
// a text that begins with either goes out behind a "." of its own.
QString ScriptWriter::dottedText(const QString &text)
{
    return text.startsWith(u'.') || (!text.isEmpty() && text.front().isSpace()) ? u'.' + text : text;
}

// The kinds beyond the four, in the server's argument order. Their texts go
// into the TEXT section by index; one the server would read as blank (and
// skip, shifting every later index) is written inline in the d-form.
void ScriptWriter::writeNewerKind(const RecordWalker &w, const QString &position)
{
    const auto f = [&](int k) { return number(w.field(k)); };
    const QString box = position + u' ' + f(3) + u' ' + f(4);
    const bool recent = isRecent();
    const bool computed = SphereDialect::inlineForComputed(m_dialect, w);
    const auto indexed = [&](const QString &text) {
        return !m_inlineTexts && !SphereLine::readsAsBlank(text) && !mustStandInline(text) && !computed;
    };
    switch (w.kind()) {
    case ElementKind::Htmlgump:
        if (indexed(w.field(7)))
            m_out << QStringLiteral("htmlgump ") + box + u' ' + textIndex(w.field(7)) + u' ' + f(5) + u' ' + f(6);
        else
            m_out << QStringLiteral("dhtmlgump ") + box + u' ' + f(5) + u' ' + f(6) + u' ' + w.field(7);
        break;
    case ElementKind::Croppedtext:
        if (indexed(w.field(6)))
            m_out << QStringLiteral("croppedtext ") + box + u' ' + f(5) + u' ' + textIndex(w.field(6));
        else
            m_out << QStringLiteral("dcroppedtext ") + box + u' ' + f(5) + u' ' + dottedText(w.field(6));
        break;
    case ElementKind::Textentry: {
        // The client reads the text's index before the limit; the
        // server's inline form takes the limit before the text.
        const bool limited = recent && isSet(w.field(7));
        const QString head = box + u' ' + f(5) + u' ' + f(6);
        const QString limit = limited ? u' ' + f(7) : QString();
        const QString word = limited ? QStringLiteral("textentrylimited") : QStringLiteral("textentry");
        if (indexed(w.field(8)))
            m_out << word + u' ' + head + u' ' + textIndex(w.field(8)) + limit;
        else
            m_out << QStringLiteral("d") + word + u' ' + head + limit + u' ' + w.field(8);
        break;
    }
    case ElementKind::Checkbox:
    case ElementKind::Radio: {
        const auto [before, after] = w.kind() == ElementKind::Radio ? m_groups.around(f(6)) : RadioGroupLines::Around{};
        m_out << before;
        const auto [up, down] = buttonGumps(w.field(3));
        m_out << Records::wordOf(w.kind()) + u' ' + position + u' ' + QString::number(up) + u' '
                     + QString::number(down) + u' ' + f(4) + u' ' + f(5);
        m_out << after;
        break;
    }
    case ElementKind::Gumppictiled:
        m_out << QStringLiteral("gumppictiled ") + box + u' ' + gumpNumber(w.field(5));
        break;
    case ElementKind::Tilepic:
        if (recent && isSet(w.field(4)))
            m_out << QStringLiteral("tilepichue ") + position + u' ' + f(3) + u' ' + f(4);
        else
            m_out << QStringLiteral("tilepic ") + position + u' ' + f(3);
        break;
    case ElementKind::Checkertrans:
        m_out << QStringLiteral("checkertrans ") + box;
        break;
    case ElementKind::Xmfhtmlgump: {
        const QString head = box + u' ' + f(5) + u' ' + f(6) + u' ' + f(7);
        if (isSet(w.field(8)))
            m_out << QStringLiteral("xmfhtmlgumpcolor ") + head + u' ' + f(8);
        else
            m_out << QStringLiteral("xmfhtmlgump ") + head;
        break;
    }
    case ElementKind::Gumppichue:
        m_out << QStringLiteral("gumppic ") + position + u' ' + gumpNumber(w.field(3)) + u' ' + f(4);
        break;
    default:
        break;
    }
}

// An art file's name read as the hexadecimal gump number, written in decimal.
QString ScriptWriter::gumpNumber(const QString &file)
{
    return QString::number(NumberText::parseHex(FileNameText::artName(file)));
}
