#include "platform/IniFile.h"
#include "platform/CappedFile.h"
#include "platform/NumberText.h"
#include "platform/RuntimeError.h"
#include "platform/SafeFile.h"
#include "platform/TextFile.h"

#include <QSet>

namespace {

// "[name]" -> name; anything else -> null string.
QString sectionName(const QString &line)
{
    const QString t = line.trimmed();
    if (t.size() >= 2 && t.startsWith(u'[')) {
        const qsizetype close = t.indexOf(u']');
        if (close > 0)
            return t.mid(1, close - 1).trimmed();
    }
    return QString();
}

bool isComment(const QString &line)
{
    const QString t = line.trimmed();
    return t.isEmpty() || t.startsWith(u';');
}

QString keyOf(const QString &line)
{
    const qsizetype eq = line.indexOf(u'=');
    return eq < 0 ? line.trimmed() : line.left(eq).trimmed();
}

QString valueOf(const QString &line)
{
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0)
        return QString();
    QString v = line.mid(eq + 1).trimmed();
    // A value wholly in matching quotes is read without them.
    if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
        v = v.mid(1, v.size() - 2);
    return v;
}

} // namespace

IniFile::IniFile(const QString &path) : m_path(path)
{
    refresh();
}

void IniFile::refresh() const
{
    const FileStamp now = FileStamp::of(m_path);
    if (FileStamp::unchanged(m_stamp, now))
        return;
    m_stamp = now;
    m_lines.clear();
    if (!now.exists)
        return;
    // A profile too large to be one is refused loudly; one that cannot be read reads as empty.
    const CappedFile::Result r = CappedFile::read(m_path);
    if (r.outcome == CappedFile::Outcome::TooLarge) {
        m_stamp = FileStamp{};
        throw CappedFile::tooLarge(m_path);
    }
    m_lines = TextFile::splitLines(r.bytes);
}

IniFile::Found IniFile::find(const QString &section, const QString &key) const
{
    refresh();
    Found r;
    bool inSection = false;
    for (int i = 0; i < m_lines.size(); ++i) {
        const QString &line = m_lines[i];
        const QString name = sectionName(line);
        if (!name.isNull()) {
            if (inSection)
                break; // the first section of that name is the one used
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            if (inSection)
                r.sectionLine = i;
            continue;
        }
        if (!inSection || isComment(line))
            continue;
        r.lastKeyLine = i;
        if (r.keyLine < 0 && keyOf(line).compare(key, Qt::CaseInsensitive) == 0)
            r.keyLine = i;
    }
    return r;
}

QString IniFile::readString(const QString &section, const QString &key, const QString &fallback) const
{
    const Found f = find(section, key);
    return f.keyLine < 0 ? fallback : valueOf(m_lines[f.keyLine]);
}

int IniFile::readInteger(const QString &section, const QString &key, int fallback) const
{
    const QString text = readString(section, key, QString());
    if (text.isEmpty())
        return fallback;
    return NumberText::parseOr(text, fallback);
}

bool IniFile::readBool(const QString &section, const QString &key, bool fallback) const
{
    return readInteger(section, key, fallback ? 1 : 0) != 0;
}

QHash<QString, QString> IniFile::valuesBySection(const QString &key) const
{
    refresh();
    QHash<QString, QString> values;
    QSet<QString> seenSections;
    QString current;
    bool collecting = false;
    for (const QString &line : m_lines) {
        const QString name = sectionName(line);
        if (!name.isNull()) {
            current = name.toCaseFolded();
            // A repeated section name is never read: the first one wins.
            collecting = !seenSections.contains(current);
            seenSections.insert(current);
            continue;
        }
        if (!collecting || isComment(line))
            continue;
        if (keyOf(line).compare(key, Qt::CaseInsensitive) == 0) {
            values.insert(current, valueOf(line));
            collecting = false; // the first key of that name wins
        }
    }
    return values;
}

bool IniFile::sectionExists(const QString &section) const
{
    return find(section, QString()).sectionLine >= 0;
}

bool IniFile::valueExists(const QString &section, const QString &key) const
{
    return find(section, key).keyLine >= 0;
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    const QString entry = key + u'=' + value;
    const Found f = find(section, key);
    const QStringList before = m_lines;
    if (f.keyLine >= 0) {
        m_lines[f.keyLine] = entry;
    } else if (f.sectionLine >= 0) {
        const int after = f.lastKeyLine >= 0 ? f.lastKeyLine : f.sectionLine;
        m_lines.insert(after + 1, entry);
    } else {
        if (!m_lines.isEmpty() && !m_lines.last().trimmed().isEmpty())
            m_lines.append(QString());
        m_lines.append(u'[' + section + u']');
        m_lines.append(entry);
    }
    try {
        save();
    } catch (const RuntimeError &) {
        m_lines = before; // the file on disk is unchanged, so is what we read
        throw;
    }
}

void IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniFile::save()
{
    QByteArray bytes;
    for (const QString &l : std::as_const(m_lines)) {
        bytes += l.toLatin1();
        bytes += "\r\n";
    }
    try {
        SafeFile::write(m_path, bytes);
    } catch (const RuntimeError &) {
        throw RuntimeError::unableToWrite(m_path); // settings report every failure alike
    }
    m_stamp = FileStamp::of(m_path);
}
