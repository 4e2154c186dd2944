#pragma once

#include "platform/FileStamp.h"

#include <QHash>
#include <QMutex>
#include <QSet>
#include <QString>

// Which names the art folders hold, listed once and kept while each folder
// stays as it was. A design can name any number of pictures the library
// lacks; with the listing at hand each such name costs a hash probe instead
// of the look at the disk that resolving it takes.
class ArtPresence
{
public:
    // The folders below which no more are remembered (a design naming art in
    // countless sub-folders gets the disk's answer for the rest).
    static constexpr int MaxFolders = 256;

    // Before a render: folders changed since they were listed (or listed
    // while they were still changing) are listed again when next asked.
    void revalidate();
    void forget();

    // True when the folder of relative (taken below appDir, matched ignoring
    // case as the resolver does) holds nothing of its name: the art is missing.
    // False when it may be there, which the resolver then decides.
    bool lacks(const QString &appDir, const QString &relative);

    // For tests and benchmarks: how often a folder was listed.
    int listings() const { return m_listings; }

private:
    struct Folder
    {
        QString path;
        FileStamp stamp;
        QSet<QString> foldedNames;
    };
    QMutex m_mutex;
    QString m_appDir;
    QHash<QString, Folder> m_folders;   // by the folded folder part of the name
    int m_listings = 0;
};
