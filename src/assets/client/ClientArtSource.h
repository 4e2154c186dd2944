#pragma once

#include <QString>

#include <memory>

class GumpArt;

// The gump art of the client folder the settings name, opened again only
// when the folder changes: opening reads the whole index.
class ClientArtSource
{
public:
    // nullptr for an empty folder or one without gump art.
    const std::shared_ptr<const GumpArt> &open(const QString &clientDir);
    const std::shared_ptr<const GumpArt> &art() const { return m_art; }

private:
    QString m_dir;
    std::shared_ptr<const GumpArt> m_art;
};
