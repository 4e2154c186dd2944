#pragma once

#include <QString>

// What tells one state of a file or folder on disk from another, for caches
// of what was read from it. Taken through QFileInfo, whose times are in
// milliseconds: two changes within one tick of the clock could look alike, so
// a stamp taken while its modification time is that recent is never trusted
// to stand for what was read.
struct FileStamp
{
    bool exists = false;
    qint64 size = 0;
    qint64 modifiedMs = 0;
    qint64 changedMs = 0;
    bool settled = false; // modified long enough before the stamp was taken

    static FileStamp of(const QString &path);

    // True when what was read at stamp `was` still stands for the file now.
    static bool unchanged(const FileStamp &was, const FileStamp &now)
    {
        return was.settled && was.exists == now.exists && was.size == now.size
               && was.modifiedMs == now.modifiedMs && was.changedMs == now.changedMs;
    }
};
