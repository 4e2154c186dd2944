#include "net/UpdateStaging.h"
#include "platform/RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <utility>

namespace {

constexpr auto KeptSuffix = ".kept";

} // namespace

UpdateStaging::UpdateStaging(QString folder) : m_folder(std::move(folder)) {}

QString UpdateStaging::stageDir() const
{
    return m_folder + QString::fromLatin1(StageFolder);
}

void UpdateStaging::begin()
{
    discard();
    if (!QDir().mkpath(stageDir()))
        throw RuntimeError::cannotCreate(stageDir());
}

QString UpdateStaging::stagedPath(int index) const
{
    return stageDir() + u'/' + QString::number(index);
}

void UpdateStaging::commit(const std::vector<UpdateFile> &files)
{
    struct Moved
    {
        QString target;
        bool hadOld;
    };
    std::vector<Moved> moved;
    const auto targetOf = [this](const UpdateFile &f) { return m_folder + QString(f.local).replace(u'\\', u'/'); };
    const auto rollBack = [&] {
        for (auto it = moved.rbegin(); it != moved.rend(); ++it) {
            QFile::remove(it->target);
            if (it->hadOld)
                QFile::rename(it->target + KeptSuffix, it->target);
        }
    };

    for (std::size_t i = 0; i < files.size(); ++i) {
        const QString staged = stagedPath(int(i));
        const QString target = targetOf(files[i]);
        // A name listed twice gets the later copy only.
        const bool listedLater = std::any_of(files.begin() + qsizetype(i) + 1, files.end(),
                                             [&](const UpdateFile &f) { return targetOf(f) == target; });
        if (listedLater)
            continue;
        if (!QFileInfo::exists(staged)) {
            rollBack();
            throw RuntimeError::cannotOpen(staged);
        }
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::remove(target + KeptSuffix);
        const bool hadOld = QFileInfo::exists(target);
        if (hadOld && !QFile::rename(target, target + KeptSuffix)) {
            rollBack();
            throw RuntimeError::cannotCreate(target);
        }
        if (!QFile::rename(staged, target)) {
            if (hadOld)
                QFile::rename(target + KeptSuffix, target);
            rollBack();
            throw RuntimeError::cannotCreate(target);
        }
        moved.push_back({target, hadOld});
    }
    for (const Moved &m : moved)
        if (m.hadOld)
            QFile::remove(m.target + KeptSuffix);
    discard();
}

void UpdateStaging::discard()
{
    QDir(stageDir()).removeRecursively();
}
