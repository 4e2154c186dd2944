#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// A dialog as the player is shown it, in one form for both sides of the
// comparison: what the designer's model of a design says, and what the
// server sent a client for its export. Each element is its kind, its page and
// its values in a fixed order per kind, with texts resolved.
struct ShownElement
{
    QString kind;                       // "gumppic", "gumppichue", "text", "button", ...
    int page = 0;
    QList<std::optional<qint64>> values; // nullopt: a field the designer cannot read as a number
    QString text;
    int designLine = -1;                // the kind word's line of the design, from 1
    int pageLine = -1;                  // the "{BOP" line of its page, from 1

    bool sameAs(const ShownElement &other) const
    {
        return kind == other.kind && page == other.page && values == other.values && text == other.text;
    }
    QString describe() const;
};

struct ShownDialog
{
    std::optional<qint64> x, y;
    bool noClose = false, noMove = false, noDispose = false;
    int locationLine = -1, flagsLine = -1; // from 1, -1 without
    QList<ShownElement> elements;
};

// One way the two differ, at the design line it belongs to (-1: none), and
// at its page bracket's line when the page is what differs. The field is the
// check's name of what differs (CheckedFields): one field of a paired
// element, "element" for one missing or added, "page", "place" for the
// dialog's location, "window flags", "events" for a press that ran otherwise.
struct ShownDifference
{
    int designLine = -1;
    QString what;
    int pageLine = -1;
    QString field;
};

namespace ShownDialogs {

// The designer's model of the design: every element record as the canvas
// reads it, buttons with the gumps of their decoder files under appDir and
// the replies they send.
ShownDialog ofDesign(const QStringList &designLines, const QString &appDir);

// What a client is shown for a gump: the controls of its layout, each split
// into words, and its texts.
ShownDialog ofGump(qint64 x, qint64 y, const QList<QStringList> &controls, const QStringList &texts);

// Differences, elements paired in their order. Something the server sent
// that the designer does not show is put at the element before it.
QList<ShownDifference> compare(const ShownDialog &designer, const ShownDialog &server);

} // namespace ShownDialogs
