#pragma once

#include "sphere/SphereImport.h"
#include "sphereclient/ReceivedGump.h"

#include <QStringList>

// A gump as the server sent it, turned back into a design: every control an
// element with the values that arrived, texts as the player reads them,
// pages kept.
namespace GumpDesign {

// The gump as a dialog script of the given name: its position, its controls
// word for word (a picture's " hue=N" as the script writes it) and a TEXT
// section of the texts they show, one line each.
QStringList scriptOf(const ReceivedGump &gump, const QString &name);

// The design read from that script, buttons matched to the library under
// appDir. What the design cannot hold is in the result's notes.
ImportResult designOf(const ReceivedGump &gump, const QString &appDir);

} // namespace GumpDesign
