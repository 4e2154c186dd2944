#pragma once

#include <QByteArray>
#include <QString>

// The one way the program replaces a file on disk. The bytes go to a new file
// beside the target; every write, the flush to the device and the close are
// checked, and only then does the new file take the target's name in one
// rename. Any failure removes the new file and leaves the old one byte for
// byte, so a full disk never turns a design into an empty file.
namespace SafeFile {

// Throws RuntimeError "Cannot create file <path>" when the file beside the
// target cannot be made, "Unable to write to <path>" when any later step fails.
void write(const QString &path, const QByteArray &bytes);

} // namespace SafeFile
