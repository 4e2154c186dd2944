#include "render/ElementRecord.h"
#include "platform/NumberText.h"
#include "platform/RuntimeError.h"

#include <QStringBuilder>

namespace {

constexpr int ListedTextLength = 8;

} // namespace

QString ElementRecord::artName(const QString &fileName)
{
    const qsizetype slash = std::max(fileName.lastIndexOf(u'/'), fileName.lastIndexOf(u'\\'));
    QString name = fileName.mid(slash + 1);
    name.chop(4);
    return name;
}

ElementRecord ElementRecord::read(const RecordWalker &walker)
{
    ElementRecord r;
    r.kind = walker.kind();
    r.line = walker.line();
    if (!walker.complete())
        throw RuntimeError(QStringLiteral("the record is cut short by the end of the design"));
    r.xText = walker.field(1);
    r.yText = walker.field(2);
    r.x = NumberText::parse(r.xText);
    r.y = NumberText::parse(r.yText);
    switch (r.kind) {
    case ElementKind::Gumppic: {
        r.fileName = walker.field(3);
        const auto number = NumberText::tryParseHex(artName(r.fileName));
        if (!number)
            throw RuntimeError(QStringLiteral("'%1' is not a hexadecimal gump number").arg(r.fileName));
        r.gumpNumber = *number;
        break;
    }
    case ElementKind::Resizepic:
        r.fileName = walker.field(3);
        r.widthText = walker.field(4);
        r.heightText = walker.field(5);
        r.width = NumberText::parse(r.widthText);
        r.height = NumberText::parse(r.heightText);
        break;
    case ElementKind::Button:
        r.fileName = walker.field(3);
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

QString ElementRecord::selectEntry() const
{
    const QString at = xText % u' ' % yText;
    switch (kind) {
    case ElementKind::Resizepic: return u"Resizepic at " % at % u" Useing " % artName(fileName);
    case ElementKind::Gumppic: return u"Gumppic at " % at % u" Useing " % QString::number(gumpNumber);
    case ElementKind::Button: return u"Button at " % at % u" Useing " % artName(fileName);
    case ElementKind::Text:
        return u"Text at " % at % u" Saying "
               % (text.size() > ListedTextLength ? text.left(ListedTextLength) % u"..." : text);
    case ElementKind::None: break;
    }
    return QString();
}
