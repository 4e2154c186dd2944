#pragma once

#include "platform/FileNameText.h"

#include <QString>

// The folders of the art library, below the data folder. Paths are resolved
// ignoring case, so these are the one spelling the program writes and shows.
namespace ArtFolders {
// The library itself: art lies in it and nowhere else.
inline const QString Library = QStringLiteral("DATA");
inline const QString Pictures = Library + u'/';
inline const QString Buttons = Pictures + QStringLiteral("buttons/");
inline const QString Backgrounds = Pictures + QStringLiteral("resizepic/");

// A button's decoder file: its art's name with the extension ".CS", beside it.
inline QString buttonDecoder(const QString &artName)
{
    return Buttons + FileNameText::withExtension(artName, QStringLiteral(".CS"));
}
} // namespace ArtFolders
