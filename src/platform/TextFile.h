#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Plain 8-bit text files read by lines. Each byte becomes one character
// (Latin-1), so writing the lines back as Latin-1 gives the same bytes.
// A line ends at CR LF, at a lone LF or at a lone CR; a last line without an
// ending counts, an empty text has no lines.
namespace TextFile {

QStringList splitLines(const QByteArray &bytes);

// Script text as the server reads it: each line UTF-8, and a line whose
// bytes are not UTF-8 read as 8-bit text instead (an old editor's file).
QStringList splitUtf8Lines(const QByteArray &bytes);

// Throws RuntimeError "Cannot open file <path>" when the file cannot be read
// or is no regular file, and refuses a file above CappedFile's limit.
QStringList readLines(const QString &path);

} // namespace TextFile
