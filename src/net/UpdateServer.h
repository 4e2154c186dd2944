#pragma once

#include "net/UpdateList.h"

#include <QString>

#include <optional>

// Where updates and news come from, and the version they are compared with.
// No base address means no update server: nothing is ever requested.
class UpdateServer
{
public:
    // The running version is the program's own unless a test gives another.
    UpdateServer();
    explicit UpdateServer(int runningVersion) : m_runningVersion(runningVersion) {}

    // Surrounding blanks are not part of the address; blanks alone are none.
    void setBase(const QString &base) { m_base = base.trimmed(); }
    const QString &base() const { return m_base; }
    bool isSet() const { return !m_base.isEmpty(); }
    int runningVersion() const { return m_runningVersion; }

    // The address of a file below the server's folder; nothing without a server.
    std::optional<QString> addressOf(const QString &name) const;
    // The list offers a version above the running one.
    bool offersUpdate(const UpdateList &list) const { return list.isNewerThan(m_runningVersion); }

private:
    QString m_base;
    int m_runningVersion;
};
