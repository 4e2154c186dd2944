#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <memory>

// The bytes of one file of the game client, mapped into memory when it can
// be (opening a client then reads only what is used) or held as a copy.
// Read-only and safe to read from several threads at once.
class ClientFile
{
public:
    // dir + name with the name matched ignoring case; nullptr when absent
    // or unreadable.
    static std::shared_ptr<const ClientFile> open(const QString &dir, const QString &name);
    static std::shared_ptr<const ClientFile> fromBytes(const QByteArray &bytes);

    const uchar *data() const { return m_data; }
    qint64 size() const { return m_size; }
    QString path() const { return m_file ? m_file->fileName() : QString(); }

    // [offset, offset + length) lies inside the file (no overflow).
    bool holds(qint64 offset, qint64 length) const
    { return offset >= 0 && length >= 0 && offset <= m_size && length <= m_size - offset; }

    // Little-endian reads; the caller checks holds() first.
    quint16 u16(qint64 at) const { return quint16(m_data[at] | (m_data[at + 1] << 8)); }
    quint32 u32(qint64 at) const
    { return quint32(m_data[at]) | quint32(m_data[at + 1]) << 8 | quint32(m_data[at + 2]) << 16 | quint32(m_data[at + 3]) << 24; }
    quint64 u64(qint64 at) const { return quint64(u32(at)) | quint64(u32(at + 4)) << 32; }

private:
    std::unique_ptr<QFile> m_file;
    QByteArray m_bytes;
    const uchar *m_data = nullptr;
    qint64 m_size = 0;
};

// Where the client's files are: the "Client" folder a user names may be the
// game folder itself; names are matched ignoring case.
namespace ClientFiles {
QString find(const QString &dir, const QString &name);
}

// Art the client keeps either in one archive or in an index and a data file
// (Art's UopName, IndexName and DataName); the archive wins when present.
template <class Art>
std::shared_ptr<const Art> openArchiveOrIndexedArt(const QString &clientDir)
{
    if (auto archive = ClientFile::open(clientDir, Art::UopName))
        return Art::fromUop(std::move(archive));
    auto index = ClientFile::open(clientDir, Art::IndexName);
    auto data = ClientFile::open(clientDir, Art::DataName);
    if (!index || !data)
        return nullptr;
    return Art::fromMul(std::move(index), std::move(data));
}
