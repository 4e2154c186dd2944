#include "import/ButtonArtMatcher.h"
#include "platform/FileNameText.h"
#include "platform/NumberText.h"
#include "platform/PathResolver.h"
#include "platform/RuntimeError.h"
#include "platform/TextFile.h"

QString ButtonArtMatcher::artFor(int up)
{
    if (const auto known = m_firstByUp.constFind(up); known != m_firstByUp.cend())
        return *known;
    if (!m_listed) {
        m_folder = PathResolver::resolve(m_appDir, QStringLiteral("DATA/buttons/"));
        m_bitmaps = PathResolver::filesWithExtension(m_folder, QStringLiteral(".bmp"));
        m_listed = true;
    }
    const QString &folder = m_folder;
    while (m_read < m_bitmaps.size()) {
        const QString bitmap = m_bitmaps[m_read++];
        const QString decoderName = FileNameText::withExtension(bitmap, QStringLiteral(".cs"));
        QStringList decoder;
        try {
            decoder = TextFile::readLines(PathResolver::resolve(folder, decoderName));
        } catch (const RuntimeError &) {
            throw RuntimeError::cannotOpen(folder + decoderName);
        }
        if (decoder.isEmpty())
            throw RuntimeError::listIndexOutOfBounds(0);
        const int decoderUp = NumberText::parseHex(decoder.first().trimmed());
        const QString art = FileNameText::withExtension(bitmap, QStringLiteral(".BMP"));
        if (!m_firstByUp.contains(decoderUp))
            m_firstByUp.insert(decoderUp, art);
        if (decoderUp == up)
            return art;
    }
    return NoMatch;
}
