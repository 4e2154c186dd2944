#include "render/ElementRecord.h"
#include "app/LineBreaks.h"
#include "platform/FileNameText.h"
#include "platform/NumberText.h"
#include "platform/RuntimeError.h"

#include <QStringBuilder>

namespace {

constexpr int ListedTextLength = 8;

} // namespace

ElementRecord ElementRecord::fields(const RecordWalker &walker)
{
    ElementRecord r;
    r.kind = walker.kind();
    r.line = walker.line();
    r.xText = walker.field(1);
    r.yText = walker.field(2);
    switch (r.kind) {
    case ElementKind::Gumppic:
    case ElementKind::Button:
        r.fileName = walker.field(3);
        break;
    case ElementKind::Resizepic:
        r.fileName = walker.field(3);
        r.widthText = walker.field(4);
        r.heightText = walker.field(5);
        break;
    case ElementKind::Text:
        r.hue = walker.field(3);
        r.text = walker.field(4);
        break;
    case ElementKind::None:
        break;
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
    r.x = NumberText::parse(r.xText);
    r.y = NumberText::parse(r.yText);
    if (r.kind == ElementKind::Gumppic) {
        // Drawing and picking use the file; only the export needs the number.
        if (const auto number = NumberText::tryParseHex(FileNameText::artName(r.fileName))) {
            r.gumpNumber = *number;
            r.gumpNumberRead = true;
        }
    } else if (r.kind == ElementKind::Resizepic) {
        r.width = NumberText::parse(r.widthText);
        r.height = NumberText::parse(r.heightText);
    }
    return r;
}

QString ElementRecord::selectEntry() const
{
    const QString at = xText % u' ' % yText;
    switch (kind) {
    case ElementKind::Resizepic: return u"Resizepic at " % at % u" Useing " % FileNameText::artName(fileName);
    case ElementKind::Gumppic:
        // A name that is not hexadecimal is listed as it stands, so the record can still be picked and mended.
        return u"Gumppic at " % at % u" Useing " % (gumpNumberRead ? QString::number(gumpNumber) : FileNameText::artName(fileName));
    case ElementKind::Button: return u"Button at " % at % u" Useing " % FileNameText::artName(fileName);
    case ElementKind::Text:
        return u"Text at " % at % u" Saying "
               % (text.size() > ListedTextLength ? text.left(ListedTextLength) % u"..." : text);
    case ElementKind::None: break;
    }
    return QString();
}
