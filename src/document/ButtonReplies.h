#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

// The reply number a button sends when it is pressed. A button made in the
// designer is numbered when exported: 1, 2, ... in document order among the
// buttons with events. A button read from a script keeps the number it had
// there, since the script's handlers may tell buttons apart by it (<ARGN>).
// The kept number stands in the events flag field after the flag: "1 7" is
// a button with events and reply 7, "0 5" one without events that still
// sends 5; "1" and "0" are the designer's own, as design files always held.
namespace ButtonReplies {

struct Flag
{
    bool events = false;
    std::optional<int> kept;
};

Flag parseFlag(const QString &field);
QString flagText(const Flag &flag);

// The same flag with the events part changed, the kept reply left alone.
QString withEvents(const QString &field, bool events);

// The reply of every button with events or a kept number, by the line of its
// kind word; buttons absent here send 0. Numbers given by the designer skip
// those kept, so two buttons never share one unless their script did.
QHash<int, int> numbered(const QStringList &lines);

} // namespace ButtonReplies
