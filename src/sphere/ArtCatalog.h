#pragma once

#include "assets/ArtStore.h"
#include "platform/ArtFolders.h"

#include <QDateTime>
#include <QHash>
#include <QSize>
#include <QString>

#include <array>

// What the check needs to know about the art library under AppDir: which
// pictures can be drawn and how large they are, whether a background has its
// nine pieces, and what each button decoder file holds. Each name is looked
// up once and remembered, so a check run after every change costs a hash
// probe per element; the memory is dropped when a folder of the library
// changes or when forget() is called.
class ArtCatalog
{
public:
    explicit ArtCatalog(const QString &appDir);

    const QString &appDir() const { return m_store.appDir(); }

    // Pictures DATA/ lacks are looked up in the game client, as drawing does.
    void setClientArt(std::shared_ptr<const GumpArt> client);

    // Drops what is known when one of the art folders changed.
    void refreshIfChanged();
    void forget();

    // The size of the picture, or an invalid size when it is missing or cannot be read.
    QSize gumppicSize(const QString &fileName);
    QSize buttonSize(const QString &fileName);
    bool hasResizepicPieces(const QString &fileName);

    struct Decoder {
        enum class Status { Ok, Missing, TooShort, NotHex };
        Status status = Status::Missing;
        QString relativePath; // "DATA/buttons/okay.CS", as the export asks for it
        QString badLine;      // the line that is not hexadecimal
        int up = 0, down = 0;
    };
    const Decoder &decoder(const QString &artName);

    QString gumppicRelativePath(const QString &fileName) const { return ArtFolders::Pictures + fileName; }
    // The check has always named the buttons' folder in capitals; its lines stay as they were.
    QString buttonRelativePath(const QString &fileName) const { return ArtFolders::Buttons.toUpper() + fileName; }

private:
    std::array<QDateTime, 3> folderStamps() const;

    ArtStore m_store;
    std::array<QDateTime, 3> m_stamps;
    QHash<QString, QSize> m_gumppics;
    QHash<QString, QSize> m_buttons;
    QHash<QString, bool> m_backgrounds;
    QHash<QString, Decoder> m_decoders;
};
