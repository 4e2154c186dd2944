#include "sphere/SphereDialect.h"
#include "document/FieldValue.h"

const QStringList &SphereDialect::all()
{
    static const QStringList dialects{V55iTo99g, V48eTo51a};
    return dialects;
}

bool SphereDialect::hasKind(const QString &dialect, ElementKind kind)
{
    if (dialect != V48eTo51a)
        return kind != ElementKind::None;
    // The older servers send no HTML, localized or hued pictures.
    return kind != ElementKind::None && kind != ElementKind::Htmlgump && kind != ElementKind::Xmfhtmlgump
           && kind != ElementKind::Gumppichue;
}

QList<int> SphereDialect::passedAsWritten(ElementKind kind)
{
    switch (kind) {
    case ElementKind::Text: return {1, 2, 3};
    case ElementKind::Croppedtext: return {1, 2, 3, 4, 5};
    case ElementKind::Htmlgump: return {1, 2, 3, 4, 5, 6};
    case ElementKind::Textentry: return {1, 2, 3, 4, 5, 6, 7};
    case ElementKind::Gumppichue:
    case ElementKind::Tilepic: return {4};
    case ElementKind::Xmfhtmlgump: return {8};
    default: return {};
    }
}

bool SphereDialect::inlineForComputed(const QString &dialect, const RecordWalker &w)
{
    if (dialect != V55iTo99g)
        return false;
    switch (w.kind()) {
    case ElementKind::Text:
    case ElementKind::Croppedtext:
    case ElementKind::Htmlgump:
    case ElementKind::Textentry:
        break;
    default:
        return false;
    }
    for (const int k : passedAsWritten(w.kind()))
        if (FieldValue::isComputed(w.field(k)))
            return true;
    return false;
}

SphereDialect::Encoding SphereDialect::defaultEncoding(const QString &dialect)
{
    return dialect == V48eTo51a ? Encoding::EightBit : Encoding::Utf8;
}

std::optional<SphereDialect::Encoding> SphereDialect::encodingNamed(const QString &name)
{
    if (name.compare(u"utf-8", Qt::CaseInsensitive) == 0)
        return Encoding::Utf8;
    if (name.compare(u"8-bit", Qt::CaseInsensitive) == 0)
        return Encoding::EightBit;
    return std::nullopt;
}
