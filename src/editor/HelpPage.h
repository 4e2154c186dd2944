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

// What Help > Help says when the page could not be shown: page is what find
// gave (empty: the page is not installed); else no browser could be started.
QString notShownText(const QString &page);

} // namespace HelpPage
