#pragma once

#include "sphere/DesignCheck.h"

#include <QList>
#include <QStringList>

// The check's rules for the script lines of a design: blocks opened and never
// closed (IF without ENDIF) or closed without an opener are errors at their
// line; a line the server would take for the end of the section or a button
// marker is an error as in events; a page that begins inside a condition or
// loop is information, as the canvas shows its elements for every player.
// In dialect "48e - 51a" a line holding a control that dialect lacks (an
// inline text, an HTML gump, a hued picture, an entry's limit) is a warning:
// the export writes it as it is, and an older server does not read it.
namespace ScriptCheck {

QList<DesignProblem> run(const QStringList &lines, const QString &dialect);
// Adds them to the check's problems, keeping those sorted by line.
void mergeInto(QList<DesignProblem> &problems, const QStringList &lines, const QString &dialect);

} // namespace ScriptCheck
