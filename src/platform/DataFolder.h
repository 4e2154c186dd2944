#pragma once

#include <QString>

// Which folder is AppDir, the folder holding DATA/ with the art, the hue
// library and the font. A folder started in that has DATA/ is used as it is,
// as the designer always worked. Started anywhere else (from the desktop's
// menu, in the home folder) the user's own data folder is used, and on first
// use it is filled with a copy of the installed sample library.
namespace DataFolder {

struct Choice
{
    QString path;             // ends in "/"
    bool ownFolder = false;   // the user's data folder rather than the current one
    bool madeFromSample = false; // the sample library was copied in just now
};

// True when folder has a DATA folder (its name in any case).
bool hasLibrary(const QString &folder);

// The rule. userFolder empty means there is no such folder on this system;
// sampleFolder empty, or without DATA/, leaves a new data folder empty.
// Throws RuntimeError when the copy of the sample cannot be written; a copy
// broken off never counts as made, since DATA/ is moved in last.
Choice choose(const QString &currentFolder, const QString &userFolder, const QString &sampleFolder);

// The running program's: the current folder, QStandardPaths::AppDataLocation
// and the sample library found beside the executable.
Choice forThisProgram();

} // namespace DataFolder
