#include "document/ElementRecord.h"
#include "document/StoredStandIn.h"
#include "document/FieldValue.h"
#include "document/LineBreaks.h"
#include "platform/FileNameText.h"
#include "platform/NumberText.h"
#include "platform/RuntimeError.h"

#include <QStringBuilder>

namespace {

constexpr int ListedTextLength = 8;

} // namespace

bool ElementRecord::hasBox(ElementKind kind)
{
    return widthField(kind) > 0;
}

int ElementRecord::widthField(ElementKind kind)
{
    return Records::widthFieldOf(kind);
}

int ElementRecord::heightField(ElementKind kind)
{
    const int width = widthField(kind);
    return width > 0 ? width + 1 : -1;
}

int ElementRecord::artFileField(ElementKind kind)
{
    return Records::artFieldOf(kind);
}

bool ElementRecord::hasArtFile(ElementKind kind)
{
    return artFileField(kind) > 0;
}

int ElementRecord::textField(ElementKind kind)
{
    return Records::textFieldOf(kind);
}

ElementRecord ElementRecord::fields(const RecordWalker &walker)
{
    ElementRecord r;
    r.kind = walker.kind();
    r.line = walker.line();
    if (Records::isScript(r.kind)) {
        r.text = walker.field(Records::ScriptLineField);
        return r;
    }
    r.xText = walker.field(1);
    r.yText = walker.field(2);
    if (const int k = artFileField(r.kind); k > 0)
        r.fileName = walker.field(k);
    if (const int k = widthField(r.kind); k > 0) {
        r.widthText = walker.field(k);
        r.heightText = walker.field(k + 1);
    }
    if (const int k = textField(r.kind); k > 0)
        r.text = walker.field(k);
    switch (r.kind) {
    case ElementKind::Text: r.hue = walker.field(3); break;
    case ElementKind::Htmlgump:
        r.backgroundText = walker.field(5);
        r.scrollbarText = walker.field(6);
        break;
    case ElementKind::Croppedtext: r.hue = walker.field(5); break;
    case ElementKind::Textentry:
        r.hue = walker.field(5);
        r.idText = walker.field(6);
        r.limitText = walker.field(7);
        break;
    case ElementKind::Checkbox:
    case ElementKind::Radio:
        r.checkedText = walker.field(4);
        r.idText = walker.field(5);
        if (r.kind == ElementKind::Radio)
            r.groupText = walker.field(6);
        break;
    case ElementKind::Tilepic:
        r.itemText = walker.field(3);
        r.hue = walker.field(4);
        break;
    case ElementKind::Xmfhtmlgump:
        r.clilocText = walker.field(5);
        r.backgroundText = walker.field(6);
        r.scrollbarText = walker.field(7);
        r.colourText = walker.field(8);
        break;
    case ElementKind::Gumppichue: r.hue = walker.field(4); break;
    default: break;
    }
    return r;
}

ElementRecord ElementRecord::read(const RecordWalker &walker)
{
    if (walker.cutShort())
        throw RuntimeError(QStringLiteral("the record is cut short at line %1").arg(walker.line() + walker.length() + 1));
    if (!walker.complete())
        throw RuntimeError(QStringLiteral("the record is cut short by the end of the design"));
    if (const int field = LineBreaks::misplacedIn(walker); field >= 0)
        throw RuntimeError(LineBreaks::problem(walker, field));
    ElementRecord r = fields(walker);
    if (Records::isScript(r.kind))
        return r;
    // A computed field stands in with what the designer can compute; any
    // other text that is no number is the record's fault.
    const auto value = [&r](const QString &text, int *origin) {
        if (!FieldValue::isComputed(text))
            return origin && text.startsWith(u'-') ? *origin + NumberText::parse(text) : NumberText::parse(text);
        r.placedByServer = true;
        int none = 0;
        return FieldValue::place(text, origin ? *origin : none);
    };
    int originX = walker.originX(), originY = walker.originY();
    r.x = value(r.xText, &originX);
    r.y = value(r.yText, &originY);
    if (r.kind == ElementKind::Gumppic) {
        // Drawing and picking use the file; only the export needs the number.
        if (const auto number = NumberText::tryParseHex(FileNameText::artName(r.fileName))) {
            r.gumpNumber = *number;
            r.gumpNumberRead = true;
        }
    }
    if (hasBox(r.kind)) {
        r.width = value(r.widthText, nullptr);
        r.height = value(r.heightText, nullptr);
    }
    if (r.kind == ElementKind::Text)
        return r;
    const auto number = [&](const QString &text) { return text.isNull() ? 0 : value(text, nullptr); };
    const auto flag = [&](const QString &text) { return number(text) != 0; };
    r.background = flag(r.backgroundText);
    r.scrollbar = flag(r.scrollbarText);
    r.checked = flag(r.checkedText);
    r.hueNumber = number(r.hue);
    r.id = number(r.idText);
    r.limit = number(r.limitText);
    r.group = number(r.groupText);
    r.item = number(r.itemText);
    r.cliloc = number(r.clilocText);
    r.colour = number(r.colourText);
    return r;
}

QString ElementRecord::selectEntry() const
{
    if (kind == ElementKind::None)
        return QString();
    if (Records::isScript(kind))
        return text;
    // A field is listed as the server reads it, without the user's stand-in.
    const auto written = [](const QString &field) { return StoredStandIn::split(field).written; };
    const QString head = Records::nameOf(kind) % u" at " % written(xText) % u' ' % written(yText);
    const auto saying = [&](const QString &said) -> QString {
        return u" Saying " % (said.size() > ListedTextLength ? said.left(ListedTextLength) % u"..." : said);
    };
    switch (kind) {
    case ElementKind::Gumppic:
        // A name that is not hexadecimal is listed as it stands, so the record can still be picked and mended.
        return head % u" Useing " % (gumpNumberRead ? QString::number(gumpNumber) : FileNameText::artName(fileName));
    case ElementKind::Text:
    case ElementKind::Htmlgump:
    case ElementKind::Croppedtext:
    case ElementKind::Textentry: return head % saying(text);
    case ElementKind::Tilepic: return head % u" Useing " % itemText;
    case ElementKind::Checkertrans: return head % u" Sized " % written(widthText) % u' ' % written(heightText);
    case ElementKind::Xmfhtmlgump: return head % u" Saying cliloc " % clilocText;
    default: return head % u" Useing " % FileNameText::artName(fileName);
    }
}
