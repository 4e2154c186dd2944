#pragma once

#include <QString>
#include <QStringList>

// The program's shared files (help page, sample art library): in
// <prefix>/share/quillmark/ beside <prefix>/bin/, wherever the install was
// put, or in share/quillmark/ beside the executable itself (the build folder,
// or a copy of the program unpacked into one folder).
namespace ShareFolder {

// The folders looked in, in order, for an executable in executableFolder.
QStringList candidates(const QString &executableFolder);

// The first candidate's path of relative ("help/quillmark.html", "sample")
// that exists, made canonical; empty when none does.
QString find(const QString &executableFolder, const QString &relative);

} // namespace ShareFolder
