#include "assets/client/ClientArtSource.h"
#include "assets/client/GumpArt.h"

const std::shared_ptr<const GumpArt> &ClientArtSource::open(const QString &clientDir)
{
    const QString dir = clientDir.trimmed();
    if (dir != m_dir || (!m_art && !dir.isEmpty())) {
        m_dir = dir;
        m_art = dir.isEmpty() ? nullptr : GumpArt::open(dir);
    }
    return m_art;
}
