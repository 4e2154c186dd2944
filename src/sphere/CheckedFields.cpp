#include "sphere/CheckedFields.h"

#include "document/ControlCommands.h"

namespace CheckedFields {

QString nameOf(ElementKind kind, int offset)
{
    if (offset < 1 || offset >= Records::lengthOf(kind))
        return {};
    if (offset <= 2)
        return Place;
    if (offset == Records::artFieldOf(kind))
        return Art;
    if (offset == Records::textFieldOf(kind))
        return Text;
    if (const int width = Records::widthFieldOf(kind); width > 0 && (offset == width || offset == width + 1))
        return offset == width ? QStringLiteral("width") : QStringLiteral("height");
    switch (kind) {
    case ElementKind::Text:
        return QStringLiteral("hue");
    case ElementKind::Button: {
        static const QString names[] = {QStringLiteral("close flag"), QStringLiteral("target page"), Reply, Events};
        return names[offset - 4];
    }
    default:
        break;
    }
    const QList<ControlCommands::FieldDefinition> &fields = ControlCommands::fieldsOf(kind);
    return offset <= fields.size() ? fields[offset - 1].name.toLower() : QString();
}

} // namespace CheckedFields
