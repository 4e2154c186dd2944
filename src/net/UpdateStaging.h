#pragma once

#include "net/UpdateList.h"

#include <QString>

#include <vector>

// Keeps the files of an update aside until all of them have arrived, then
// moves them into place together. Until then no file of the program's folder
// is touched; a move that fails puts back what was already moved.
class UpdateStaging
{
public:
    // folder: the program's folder, ending in "/".
    explicit UpdateStaging(QString folder);

    static constexpr const char *StageFolder = "UPDATE.PART";

    // Starts afresh: removes what an earlier, unfinished update left aside.
    void begin();
    // Where the file at position index of the update list waits.
    QString stagedPath(int index) const;
    // Moves every staged file (files in list order, index i staged at
    // stagedPath(i)) to its local name. Throws RuntimeError when a file
    // cannot be moved, after restoring every file it had replaced.
    void commit(const std::vector<UpdateFile> &files);
    // Throws away whatever waits.
    void discard();

private:
    QString stageDir() const;

    QString m_folder;
};
