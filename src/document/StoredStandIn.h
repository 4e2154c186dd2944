#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// The value a user sets for a field the server computes from an expression,
// so the canvas draws the element where the user expects it. It is stored
// after the expression on the field's line ("<argn1> //standin 40") and is
// never exported: the server sees the expression alone.
namespace StoredStandIn {

struct Parts
{
    QString written;            // the field as the server reads it
    std::optional<int> value;   // the stand-in the user set, if any
};

// The field split at its stored stand-in; a field without one (or one that
// holds no expression) is written whole.
Parts split(QStringView field);

// The field with value stored after its expression (none: the expression alone).
QString join(const QString &written, std::optional<int> value);

// The design's lines with every stored stand-in removed from the number
// fields of its elements: what the export writes from.
QStringList withoutStandIns(const QStringList &designLines);

} // namespace StoredStandIn
