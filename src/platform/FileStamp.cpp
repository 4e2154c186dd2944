#include "platform/FileStamp.h"

#include <QDateTime>
#include <QFileInfo>

namespace {
// Well above the resolution of any file system's times.
constexpr qint64 SettleMs = 2000;
} // namespace

FileStamp FileStamp::of(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return FileStamp{false, 0, 0, 0, true};
    FileStamp s;
    s.exists = true;
    s.size = info.size();
    s.modifiedMs = info.lastModified().toMSecsSinceEpoch();
    s.changedMs = info.metadataChangeTime().toMSecsSinceEpoch();
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    s.settled = now - std::max(s.modifiedMs, s.changedMs) > SettleMs;
    return s;
}
