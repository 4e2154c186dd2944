#pragma once

#include <QString>

#include <optional>
#include <utility>

// A button, check box or radio whose up and down gumps no art of the library
// names keeps them in its art field: "gump 4005 4007.bmp". No such file
// exists; the export writes the two numbers, the canvas draws the up gump
// (a picture of that number, or the client's), else a placeholder with the name.
namespace ButtonGumps {

QString artName(int up, int down);
// The pair such a name keeps; nullopt for any other file name.
std::optional<std::pair<int, int>> pairOf(const QString &fileName);
// The picture file that names one of those gumps in DATA/ ("FA5.bmp"), which
// the art store also finds in the client.
QString pictureOf(int gump);

} // namespace ButtonGumps
