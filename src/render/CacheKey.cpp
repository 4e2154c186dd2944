#include "render/CacheKey.h"

#include <QStringBuilder>

namespace CacheKey {

QString resizepic(const QString &widthLine, const QString &heightLine, const QString &fileName)
{
    return ResizepicPrefix % widthLine % heightLine % fileName;
}

QString gumppic(const QString &fileName)
{
    return GumppicPrefix + fileName;
}

QString button(const QString &fileName)
{
    return ButtonPrefix + fileName;
}

QString text(const QString &hueLine, const QString &textLine)
{
    return TextPrefix % hueLine % textLine;
}

QString forRecord(ElementKind kind, const QStringList &lines, int first)
{
    const auto field = [&](int k) {
        const qsizetype i = qsizetype(first) + k;
        return i >= 0 && i < lines.size() ? lines[i] : QString();
    };
    switch (kind) {
    case ElementKind::Resizepic: return resizepic(field(4), field(5), field(3));
    case ElementKind::Gumppic: return gumppic(field(3));
    case ElementKind::Button: return button(field(3));
    case ElementKind::Text: return text(field(3), field(4));
    case ElementKind::None: return QString();
    default: break;
    }
    // The newer kinds: the kind word, then every field after X and Y.
    QString key = Records::wordOf(kind);
    for (int k = 3; k < Records::lengthOf(kind); ++k)
        key += QChar(0x1F) + field(k);
    return key;
}

} // namespace CacheKey
