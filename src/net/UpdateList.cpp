#include "net/UpdateList.h"
#include "platform/NumberText.h"
#include "platform/TextFile.h"

#include <QFile>

#include <algorithm>

UpdateList UpdateList::fromLines(const QStringList &lines)
{
    UpdateList list;
    list.m_lines = lines;
    if (lines.isEmpty())
        return list;
    // Only plain decimal counts: "0x" or "$" forms are not version numbers.
    const QString first = lines.first().trimmed();
    const bool decimal = !first.isEmpty()
                         && std::all_of(first.begin(), first.end(), [](QChar c) { return c.isDigit(); });
    if (decimal)
        list.m_version = NumberText::tryParse(first);
    for (qsizetype i = 1; i + 1 < lines.size(); i += 2)
        list.m_files.push_back({lines[i], lines[i + 1]});
    return list;
}

QStringList UpdateList::readLines(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = f.read(MaxBytes + 1);
    if (bytes.size() > MaxBytes)
        return {};
    return TextFile::splitLines(bytes);
}

bool UpdateList::isNewerThan(int runningVersion) const
{
    return m_lines.size() >= 2 && m_version && *m_version > runningVersion;
}

int UpdateList::firstUnsafeLine() const
{
    for (std::size_t i = 0; i < m_files.size(); ++i) {
        const int remoteLine = int(2 + 2 * i);
        if (!UpdateNames::isSafeRemoteName(m_files[i].remote))
            return remoteLine;
        if (!UpdateNames::isSafeLocalName(m_files[i].local))
            return remoteLine + 1;
    }
    return 0;
}

int UpdateList::incompleteLine() const
{
    // The version line and whole pairs make an odd count.
    return m_lines.size() >= 2 && m_lines.size() % 2 == 0 ? int(m_lines.size()) : 0;
}

namespace UpdateNames {

namespace {

bool isPlainRelativePath(const QString &name)
{
    if (name.isEmpty() || name.contains(u':'))   // drive letters and schemes
        return false;
    for (const QChar c : name)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return false;
    const QStringList steps = QString(name).replace(u'\\', u'/').split(u'/');
    // A leading or doubled separator gives an empty step: absolute paths,
    // "//host" and "a//b" are all refused.
    return std::none_of(steps.begin(), steps.end(), [](const QString &step) {
        return step.isEmpty() || step == u"." || step == u"..";
    });
}

} // namespace

bool isSafeLocalName(const QString &name)
{
    return isPlainRelativePath(name);
}

bool isSafeRemoteName(const QString &name)
{
    return isPlainRelativePath(name) && !name.contains(u'?') && !name.contains(u'#');
}

QString remoteAddress(const QString &base, const QString &name)
{
    return base.endsWith(u'/') ? base + name : base + u'/' + name;
}

} // namespace UpdateNames
