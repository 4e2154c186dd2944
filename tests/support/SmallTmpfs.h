#pragma once

#include <QString>
#include <QTemporaryDir>

// A real, small file system for tests of full disks: a tmpfs of the given
// size mounted on a temporary folder for the life of the object. Mounting
// needs root; when it is not possible, mounted() is false and the test skips.
class SmallTmpfs
{
public:
    explicit SmallTmpfs(int kilobytes);
    ~SmallTmpfs();
    SmallTmpfs(const SmallTmpfs &) = delete;
    SmallTmpfs &operator=(const SmallTmpfs &) = delete;

    bool mounted() const { return m_mounted; }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    // Writes a filler file until the file system is full, leaving no free block.
    void fill() const;
    // Removes the filler again.
    void makeRoom() const;

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};
