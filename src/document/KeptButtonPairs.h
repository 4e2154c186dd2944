#pragma once

#include "document/EditorState.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <optional>
#include <utility>

// The gump pairs a design's buttons, check boxes and radios keep because no
// art of the library had them when the dialog was imported, and the step
// that points them at art the library has since gained.
namespace KeptButtonPairs {

// Each pair once, in the order the design first uses it.
QList<std::pair<int, int>> in(const QStringList &designLines);

// Gives every element keeping a pair the art artOf names for it (none: the
// element keeps its pair), as one undo step; whether the design changed.
bool useLibraryArt(EditorState &state, const std::function<std::optional<QString>(int up, int down)> &artOf);

} // namespace KeptButtonPairs
