#pragma once

#include "platform/FileStamp.h"

#include <QHash>
#include <QString>
#include <QStringList>

// A profile (INI) file with the semantics of the classic profile calls:
// sections and keys match ignoring case, a missing file, section or key gives
// the caller's default, and writing one key rewrites the file at once while
// keeping every other section, key, comment and their order. Each write goes
// straight to disk; each call first rereads the file when it changed on disk
// since it was last read, so two objects on one file see each other's writes.
class IniFile
{
public:
    explicit IniFile(const QString &path);

    QString path() const { return m_path; }

    QString readString(const QString &section, const QString &key, const QString &fallback) const;
    // Non-numbers give the fallback; "0x" and "$" hexadecimal are accepted.
    int readInteger(const QString &section, const QString &key, int fallback) const;
    bool readBool(const QString &section, const QString &key, bool fallback) const;

    // The value of key in every section that has it, by section name folded
    // to lower case, with the same first-section, first-key rule as
    // readString(). One pass over the file, for readers of many sections.
    QHash<QString, QString> valuesBySection(const QString &key) const;

    bool sectionExists(const QString &section) const;
    bool valueExists(const QString &section, const QString &key) const;

    // Each write creates the file, section or key as needed.
    // Throws RuntimeError "Unable to write to <path>" when the file cannot be written.
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);
    void writeBool(const QString &section, const QString &key, bool value);

private:
    struct Found { int sectionLine = -1; int keyLine = -1; int lastKeyLine = -1; };
    void refresh() const;
    Found find(const QString &section, const QString &key) const;
    void save();

    QString m_path;
    mutable QStringList m_lines;
    mutable FileStamp m_stamp;
};
