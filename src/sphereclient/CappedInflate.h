#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

// Inflates one zlib stream that must come out at exactly `expectedSize`
// bytes. Nothing when the stream is damaged, ends early, has bytes after its
// end, or when the size is negative or above `cap`: the output is never
// allocated past the cap, whatever the data says.
std::optional<QByteArray> inflateExactly(QByteArrayView compressed, qint64 expectedSize, qint64 cap);
