#include "sphereclient/CappedInflate.h"

#include <zlib.h>

#include <climits>

std::optional<QByteArray> inflateExactly(QByteArrayView compressed, qint64 expectedSize, qint64 cap)
{
    if (expectedSize < 0 || expectedSize > cap || compressed.size() > qsizetype(UINT_MAX))
        return std::nullopt;
    QByteArray out(qsizetype(expectedSize), Qt::Uninitialized);
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        return std::nullopt;
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(compressed.data()));
    stream.avail_in = uInt(compressed.size());
    // One spare byte makes a stream longer than announced show itself.
    char spare = 0;
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    int status = inflate(&stream, Z_FINISH);
    if (status == Z_BUF_ERROR && stream.avail_out == 0) {
        stream.next_out = reinterpret_cast<Bytef *>(&spare);
        stream.avail_out = 1;
        status = inflate(&stream, Z_FINISH);
        if (stream.avail_out == 0)
            status = Z_DATA_ERROR;
    }
    const bool whole = status == Z_STREAM_END && stream.avail_in == 0 && stream.total_out == uLong(expectedSize);
    inflateEnd(&stream);
    if (!whole)
        return std::nullopt;
    return out;
}
