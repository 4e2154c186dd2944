#include "import/ButtonArtMatcher.h"
#include "platform/NumberText.h"
#include "platform/PathResolver.h"
#include "platform/RuntimeError.h"
#include "platform/TextFile.h"

namespace {

QString withExtension(const QString &fileName, const QString &extension)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return (dot >= 0 ? fileName.left(dot) : fileName) + extension;
}

} // namespace

QString ButtonArtMatcher::artFor(int up)
{
    if (const auto known = m_firstByUp.constFind(up); known != m_firstByUp.cend())
        return *known;
    const QString folder = PathResolver::resolve(m_appDir, QStringLiteral("DATA/buttons/"));
    if (!m_listed) {
        m_bitmaps = PathResolver::filesWithExtension(folder, QStringLiteral(".bmp"));
        m_listed = true;
    }
    while (m_read < m_bitmaps.size()) {
        const QString bitmap = m_bitmaps[m_read++];
        const QString decoderName = withExtension(bitmap, QStringLiteral(".cs"));
        QStringList decoder;
        try {
            decoder = TextFile::readLines(PathResolver::resolve(folder, decoderName));
        } catch (const RuntimeError &) {
            throw RuntimeError::cannotOpen(folder + decoderName);
        }
        if (decoder.isEmpty())
            throw RuntimeError::listIndexOutOfBounds(0);
        const int decoderUp = NumberText::parseHex(decoder.first().trimmed());
        const QString art = withExtension(bitmap, QStringLiteral(".BMP"));
        if (!m_firstByUp.contains(decoderUp))
            m_firstByUp.insert(decoderUp, art);
        if (decoderUp == up)
            return art;
    }
    return NoMatch;
}
