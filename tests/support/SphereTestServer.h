#pragma once

#include "sphereclient/ReceivedGump.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <utility>

class ServerWorld;

// A Sphere server on 127.0.0.1 with a world of its own in a temporary
// folder (serverworld/ServerWorld), as an administrator's account.
class SphereTestServer
{
public:
    // The binary the build made (tests/server/tests.cmake), or empty when it
    // is missing.
    static QString binary();

    explicit SphereTestServer(QString binary);
    ~SphereTestServer();   // stops the server
    SphereTestServer(const SphereTestServer &) = delete;
    SphereTestServer &operator=(const SphereTestServer &) = delete;

    // A script file under scripts/, before start(). Each file is read on its
    // own, so an "[EOF]" in one does not end the others.
    void addScript(const QString &fileName, const QByteArray &bytes);
    // The login trigger opens these dialogs in order, each preceded by the
    // system message "quillmark:open NAME", and ends with the system message
    // "quillmark:done".
    void openOnLogin(const QStringList &dialogNames);
    // The same, each dialog opened the given number of times in a row (at
    // least once), so that a client may answer it as often: every reply
    // uses up one opening.
    void openOnLogin(const QList<std::pair<QString, int>> &dialogsAndTimes);

    // Writes the world, starts the server and waits (bounded) until it has
    // made the character and accepts connections.
    bool start(QString *error);
    // Stops the server by its process id and waits for it; start() is not
    // possible again.
    void stop();

    quint16 port() const;
    QString accountName() const;
    QString password() const;
    // Everything the server wrote under logs/.
    QString log() const;
    // What it wrote to its console.
    QString console() const;

    static constexpr const char *OpenMarker = "quillmark:open ";
    static constexpr const char *DoneMarker = "quillmark:done";

private:
    std::unique_ptr<ServerWorld> m_world;
};

// What one login to a server running the given scripts showed, per dialog
// name: the gump that arrived after its marker, or nothing when none did.
struct JudgedDialogs
{
    QHash<QString, std::optional<ReceivedGump>> gumps;
    QString log;     // the server's log
    QString error;   // empty when the server started and the login ran to "quillmark:done"
};

JudgedDialogs judgeDialogs(const QList<std::pair<QString, QByteArray>> &scriptFiles, const QStringList &dialogNames);

// Skips a test when the build made no server (no source tarball beside the repository).
#define SKIP_WITHOUT_SPHERE_SERVER()                                                          \
    do {                                                                                      \
        if (SphereTestServer::binary().isEmpty())                                             \
            GTEST_SKIP() << "no Sphere server built (../shared/sphere-server/ missing?)";     \
    } while (false)
