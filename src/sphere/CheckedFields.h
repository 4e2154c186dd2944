#pragma once

#include "document/RecordWalker.h"

#include <QString>

// The names the check gives the fields its entries are about, so that a
// reader (the server judge among them) can tell which field of which element
// an entry means. An element's fields go by the kind table's places: its
// position is the "place", its art "art", its text "text", a button's event
// lines "events"; the other numbers by the property panel's names in lower
// case ("width", "hue", "switch id", ...). An empty name is advice about the
// design, which says nothing of how the server reads it.
namespace CheckedFields {

inline const QString Place = QStringLiteral("place");
inline const QString Page = QStringLiteral("page");
inline const QString Text = QStringLiteral("text");
inline const QString Events = QStringLiteral("events");
inline const QString Art = QStringLiteral("art");
inline const QString Reply = QStringLiteral("reply");
inline const QString Flags = QStringLiteral("window flags");
// The whole record: the server leaves the element out or reads it as another.
inline const QString Element = QStringLiteral("element");

// The name of field `offset` (from the kind word) of a record of the kind;
// empty for an offset the kind does not have.
QString nameOf(ElementKind kind, int offset);

} // namespace CheckedFields
