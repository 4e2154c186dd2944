#pragma once

#include <QString>

// The program's own help: one HTML page, installed in
// <prefix>/share/quillmark/help/ beside <prefix>/bin, or read from the
// source tree's help/ when the program runs from its build folder.
namespace HelpPage {

inline const QString FileName = QStringLiteral("quillmark.html");

// The first of the installed and the source tree's page that exists;
// empty when neither does.
QString find(const QString &executableFolder, const QString &sourceFolder);

} // namespace HelpPage
