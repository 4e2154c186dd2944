#pragma once

#include <QString>
#include <QStringList>

// A small design that uses the sample art: a stone window with a title,
// pages of pictures and texts in several hues, buttons that close the dialog
// or turn the page, a screen location and window flags.
namespace SampleProject {

QStringList lines();

// Writes the design as a project file.
void write(const QString &path);

} // namespace SampleProject
