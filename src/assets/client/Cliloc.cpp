#include "assets/client/Cliloc.h"

#include <algorithm>

std::shared_ptr<const Cliloc> Cliloc::open(const QString &clientDir)
{
    auto file = ClientFile::open(clientDir, FileName);
    return file ? fromFile(std::move(file)) : nullptr;
}

std::shared_ptr<const Cliloc> Cliloc::fromFile(std::shared_ptr<const ClientFile> file)
{
    auto cliloc = std::make_shared<Cliloc>();
    cliloc->m_file = std::move(file);
    const ClientFile &f = *cliloc->m_file;
    // Every record takes at least its header: that bounds the index.
    cliloc->m_entries.reserve(size_t(std::max<qint64>(0, (f.size() - HeaderSize) / RecordHeaderSize)));
    qint64 at = HeaderSize;
    while (f.holds(at, RecordHeaderSize)) {
        const Entry e{qint32(f.u32(at)), at + RecordHeaderSize, f.u16(at + 5)};
        if (!f.holds(e.offset, e.length))
            break;
        cliloc->m_entries.push_back(e);
        at = e.offset + e.length;
    }
    cliloc->m_entries.shrink_to_fit();
    // Shipped files are in number order; a file that is not is sorted, the
    // first record of a number kept.
    const auto byNumber = [](const Entry &a, const Entry &b) { return a.number < b.number; };
    std::stable_sort(cliloc->m_entries.begin(), cliloc->m_entries.end(), byNumber);
    return cliloc;
}

std::optional<QString> Cliloc::text(int number) const
{
    const auto found = std::lower_bound(m_entries.begin(), m_entries.end(), number,
                                        [](const Entry &e, int n) { return e.number < n; });
    if (found == m_entries.end() || found->number != number)
        return std::nullopt;
    return QString::fromUtf8(reinterpret_cast<const char *>(m_file->data() + found->offset), found->length);
}
