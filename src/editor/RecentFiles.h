#pragma once

#include <QString>
#include <QStringList>

class IniFile;

// The designs opened or saved last, newest first, as the File menu offers
// them; kept in the settings file under [Recent] File1 … File8.
class RecentFiles
{
public:
    static constexpr int Max = 8;
    inline static const QString Section = QStringLiteral("Recent");

    const QStringList &files() const { return m_files; }

    void read(const IniFile &file);
    // Throws RuntimeError when the settings file cannot be written.
    void write(IniFile &file) const;

    // To the front (once: the same file named twice is one entry); the
    // oldest beyond Max go.
    void add(const QString &path);
    void remove(const QString &path);
    // Drops the files that are gone; their paths, for a word to the user.
    QStringList dropMissing();

private:
    QStringList m_files;
};
