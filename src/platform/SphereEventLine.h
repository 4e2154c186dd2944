#pragma once

#include <QString>
#include <QStringView>

#include <optional>
#include <utility>

// The lines of a dialog's BUTTON section as the server reads them: a line
// whose key is ON or ONBUTTON, in any case, starts the block of the replies
// it names ("ON=1", "on = 1", "ONBUTTON=1", "ON 1", "ON=1 5", "ON=1,5").
namespace SphereEventLine {

struct Marker
{
    bool isMarker = false;
    // The replies it answers; nothing when its value is no number (the line
    // still ends the block before it).
    std::optional<std::pair<int, int>> range;
};

// Reads a line already cut at its comment and trimmed.
Marker marker(QStringView cleaned);

// What the server would make of an event line other than running it: a line
// that ends the section, or one that starts another button's block. Empty
// when the line runs as written.
QString trap(QStringView line);

} // namespace SphereEventLine
