#include "sphere/ButtonArtMatcher.h"
#include "platform/ArtFolders.h"
#include "platform/FileNameText.h"
#include "platform/NumberText.h"
#include "platform/PathResolver.h"
#include "platform/RuntimeError.h"
#include "platform/TextFile.h"

QString ButtonArtMatcher::artFor(int up, std::optional<int> down)
{
    const auto found = [&]() -> const QString * {
        if (down) {
            const auto pair = m_firstByPair.constFind({up, *down});
            return pair == m_firstByPair.cend() ? nullptr : &*pair;
        }
        const auto first = m_firstByUp.constFind(up);
        return first == m_firstByUp.cend() ? nullptr : &*first;
    };
    if (const QString *art = found())
        return *art;
    while (readNext()) {
        if (const QString *art = found())
            return *art;
    }
    return m_firstByUp.value(up, NoMatch);
}

std::optional<QString> ButtonArtMatcher::pairArt(int up, int down)
{
    do {
        if (const auto pair = m_firstByPair.constFind({up, down}); pair != m_firstByPair.cend())
            return *pair;
    } while (readNext());
    return std::nullopt;
}

bool ButtonArtMatcher::readNext()
{
    if (!m_listed) {
        m_folder = PathResolver::resolve(m_appDir, ArtFolders::Buttons);
        m_bitmaps = PathResolver::filesWithExtension(m_folder, QStringLiteral(".bmp"));
        m_listed = true;
    }
    if (m_read >= m_bitmaps.size())
        return false;
    const QString bitmap = m_bitmaps[m_read++];
    const QString decoderName = FileNameText::withExtension(bitmap, QStringLiteral(".cs"));
    QStringList decoder;
    try {
        decoder = TextFile::readLines(PathResolver::resolve(m_folder, decoderName));
    } catch (const RuntimeError &) {
        throw RuntimeError::cannotOpen(m_folder + decoderName);
    }
    if (decoder.isEmpty())
        throw RuntimeError::listIndexOutOfBounds(0);
    const int decoderUp = NumberText::parseHex(decoder.first().trimmed());
    const QString art = FileNameText::withExtension(bitmap, QStringLiteral(".BMP"));
    m_firstByUp.insert(decoderUp, m_firstByUp.value(decoderUp, art));
    if (decoder.size() > 1) {
        if (const auto decoderDown = NumberText::tryParseHex(decoder[1].trimmed()))
            m_firstByPair.insert({decoderUp, *decoderDown}, m_firstByPair.value({decoderUp, *decoderDown}, art));
    }
    return true;
}
