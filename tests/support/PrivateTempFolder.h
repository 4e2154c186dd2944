#pragma once

#include <QByteArray>
#include <QTemporaryDir>

// Points this process's temp folder (and its children's) at a fresh folder
// for the object's lifetime, so that what a test counts there is only what it
// made itself, whatever other tests run beside it.
class PrivateTempFolder
{
public:
    PrivateTempFolder()
        : m_hadTmpdir(qEnvironmentVariableIsSet("TMPDIR")), m_oldTmpdir(qgetenv("TMPDIR"))
    {
        qputenv("TMPDIR", m_dir.path().toLocal8Bit());
    }
    ~PrivateTempFolder()
    {
        if (m_hadTmpdir)
            qputenv("TMPDIR", m_oldTmpdir);
        else
            qunsetenv("TMPDIR");
    }
    PrivateTempFolder(const PrivateTempFolder &) = delete;
    PrivateTempFolder &operator=(const PrivateTempFolder &) = delete;

    bool isValid() const { return m_dir.isValid(); }

private:
    QTemporaryDir m_dir; // made in the temp folder in force before
    bool m_hadTmpdir;
    QByteArray m_oldTmpdir;
};
