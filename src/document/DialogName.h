#pragma once

#include "document/EditorState.h"

#include <QString>
#include <QStringList>

// The dialog's name kept in the design ("DIALOGNAME", name): what the import
// read it as, or what the last export was given, so the export's prompt
// offers it again.
namespace DialogName {

// The name of the last such record; empty without one.
QString of(const QStringList &lines);
// The lines with the name in the last record, or the record appended.
QStringList withName(QStringList lines, const QString &name);
// One undo step; false (and no step) when the design holds that name already.
bool store(EditorState &state, const QString &name);

} // namespace DialogName
