#pragma once

#include "assets/ArtPresence.h"
#include "assets/ResizepicComposer.h"

#include <QImage>
#include <QString>

#include <memory>
#include <optional>

class GumpArt;

// Where the art of each element kind lies under AppDir, and reading it.
// The folders are ArtFolders'; names are resolved ignoring case. A file that
// is missing or cannot be read gives an empty image, silently.
class ArtStore
{
public:
    explicit ArtStore(const QString &appDir = QString()) : m_appDir(appDir) {}

    void setAppDir(const QString &appDir) { m_appDir = appDir; }
    // A store that draws page after page remembers which names its folders
    // lack (see ArtPresence); revalidatePresence() before each page lets a
    // changed folder be listed again. Off unless asked for.
    void rememberPresence(bool on) { m_presence = on ? std::make_shared<ArtPresence>() : nullptr; }
    void revalidatePresence() const
    {
        if (m_presence)
            m_presence->revalidate();
    }
    void forgetPresence() const
    {
        if (m_presence)
            m_presence->forget();
    }
    const ArtPresence *presence() const { return m_presence.get(); }
    // The user's game client: a gumppic whose file is not under DATA/ and
    // whose name is a gump number in hex ("1F4.bmp") is drawn from it.
    void setClientArt(std::shared_ptr<const GumpArt> client) { m_client = std::move(client); }
    const std::shared_ptr<const GumpArt> &clientArt() const { return m_client; }
    // The gump number a picture name stands for, or -1 ("1F4.bmp" is 0x1F4).
    static int gumpNumberOf(const QString &fileName);
    const QString &appDir() const { return m_appDir; }

    // False for a name that would leave its folder ("..", an absolute path):
    // such a name is no art, and every path of it is empty.
    static bool isArtName(const QString &fileName);

    // Full paths as found on disk (or as spelt, when nothing matches).
    QString gumppicPath(const QString &fileName) const;
    QString buttonPath(const QString &fileName) const;
    // Piece k (0 … 8) of a background: the digit k, then the record's file
    // name with its extension replaced by ".bm" (piece 3 of 9200.bmp is 39200.bm).
    QString resizepicPiecePath(const QString &fileName, int piece) const;
    static QString pieceFileName(const QString &fileName, int piece);

    QImage gumppic(const QString &fileName) const;
    QImage button(const QString &fileName) const;
    // The two gump numbers of a button's decoder file (its name with the
    // extension ".CS" in DATA/buttons/); nothing when it is missing or its
    // first two lines are not hexadecimal.
    std::optional<std::pair<int, int>> buttonGumps(const QString &fileName) const;
    ResizepicPieces resizepicPieces(const QString &fileName) const;
    // The nine pieces composed at width × height.
    QImage resizepic(const QString &fileName, int width, int height) const;
    // Only the part of it inside part (see ResizepicComposer::compose).
    QImage resizepic(const QString &fileName, int width, int height, const QRect &part) const;

private:
    QString resolve(const QString &relative) const;
    // True when the folders are known to hold nothing of that name.
    bool knownMissing(const QString &relative) const;

    QString m_appDir;
    std::shared_ptr<const GumpArt> m_client;
    std::shared_ptr<ArtPresence> m_presence;
};
