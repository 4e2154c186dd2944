#pragma once

#include <QString>
#include <QStringList>

// Art paths in designs and decoder files are written without regard to case
// ("DATA/BUTTONS/okay.CS" names DATA/buttons/okay.cs). These helpers find the
// file that is really there on a case-sensitive file system.
namespace PathResolver {

// base + relative, with each component of relative matched ignoring case when
// no exact match exists. Components that match nothing keep their spelling, so
// the result is also the path to create a new file at. Linear in the length
// of relative: each folder's listing is cached until the folder changes, and
// a name longer than the file system allows is not looked up at all.
QString resolve(const QString &base, const QString &relative);

// True when relative names something below the folder it is taken from: not
// empty, not absolute, no ".." component, no NUL, not longer than any path.
// Art names that fail this are no art.
bool staysInside(const QString &relative);

// The art resolver: resolve(appDir, relative) for a relative that stays
// inside (see staysInside) and whose file, once symbolic links are followed,
// still lies inside appDir's "DATA" folder; a null string otherwise. A link
// within DATA to elsewhere in DATA works; one that leads out of it names no file.
QString resolveInData(const QString &appDir, const QString &relative);

// Like resolve(), with base already part of the path ("/data/" + "DATA/x.bmp").
QString resolve(const QString &path);

// The names of the files in dir whose extension is ext (".bmp"), ignoring the
// case of the extension, sorted as the file list shows them.
QStringList filesWithExtension(const QString &dir, const QString &ext);

} // namespace PathResolver
