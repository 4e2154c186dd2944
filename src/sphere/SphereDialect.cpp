#include "sphere/SphereDialect.h"

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
