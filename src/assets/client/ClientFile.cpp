#include "assets/client/ClientFile.h"

#include <QDir>
#include <QFileInfo>

namespace ClientFiles {

QString find(const QString &dir, const QString &name)
{
    const QDir d(dir);
    if (QFileInfo(d.filePath(name)).isFile())
        return d.filePath(name);
    for (const QString &entry : d.entryList(QDir::Files | QDir::Hidden))
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return d.filePath(entry);
    return QString();
}

} // namespace ClientFiles

std::shared_ptr<const ClientFile> ClientFile::open(const QString &dir, const QString &name)
{
    const QString path = ClientFiles::find(dir, name);
    if (path.isEmpty())
        return nullptr;
    auto file = std::make_shared<ClientFile>();
    file->m_file = std::make_unique<QFile>(path);
    if (!file->m_file->open(QIODevice::ReadOnly))
        return nullptr;
    file->m_size = file->m_file->size();
    if (file->m_size == 0)
        return file;
    file->m_data = file->m_file->map(0, file->m_size);
    if (!file->m_data) {
        // A file system that cannot map: read it whole instead.
        file->m_bytes = file->m_file->readAll();
        if (file->m_bytes.size() != file->m_size)
            return nullptr;
        file->m_data = reinterpret_cast<const uchar *>(file->m_bytes.constData());
    }
    return file;
}

std::shared_ptr<const ClientFile> ClientFile::fromBytes(const QByteArray &bytes)
{
    auto file = std::make_shared<ClientFile>();
    file->m_bytes = bytes;
    file->m_data = reinterpret_cast<const uchar *>(file->m_bytes.constData());
    file->m_size = file->m_bytes.size();
    return file;
}
