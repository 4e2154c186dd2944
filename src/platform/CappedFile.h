#pragma once

#include "platform/RuntimeError.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The one way the program reads a file from outside. Only regular files are
// read (a folder, a device such as /dev/zero or a pipe is no file here), and
// the bytes are counted while reading, so a file that grows or lies about its
// size can never take more than the limit.
namespace CappedFile {

// Designs, scripts, settings and art are all far below this.
constexpr qint64 DefaultLimit = qint64(256) * 1024 * 1024;

enum class Outcome { Read, CannotOpen, TooLarge };

struct Result
{
    Outcome outcome = Outcome::CannotOpen;
    QByteArray bytes; // empty unless outcome is Read
};

Result read(const QString &path, qint64 limit = DefaultLimit);

// The bytes, or RuntimeError "Cannot open file <path>", or, for a file above
// the limit, "File <path> is larger than <n> MB and is not read".
QByteArray readOrThrow(const QString &path, qint64 limit = DefaultLimit);
RuntimeError tooLarge(const QString &path, qint64 limit = DefaultLimit);

} // namespace CappedFile
