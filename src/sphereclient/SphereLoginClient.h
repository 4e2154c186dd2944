#pragma once

#include "sphereclient/GumpReply.h"
#include "sphereclient/ReceivedGump.h"

#include <QDeadlineTimer>
#include <QList>
#include <QString>

#include <functional>
#include <memory>

// Something the server showed the player after login: a dialog or a message
// (system message or speech), kept in the order they arrived.
struct ServerEvent
{
    // Pong: the server's answer to ping(), which comes after everything the
    // packets sent before the ping made it send.
    enum Kind { Gump, Message, Pong };
    Kind kind = Message;
    ReceivedGump gump;   // for Gump
    QString message;     // for Message
    int pong = -1;       // for Pong: the sequence number of the ping
};

// Where and as whom to log in.
struct SphereLoginOptions
{
    QString host = QStringLiteral("127.0.0.1");
    quint16 port = 0;
    QString account;
    QString password;
    // The client version announced, four numbers. From 5.0.0 on the server
    // sends dialogs compressed (0xDD), before that plain (0xB0); the packet
    // lengths PacketSplitter knows are those for 7.0.9 and later.
    QString clientVersion = QStringLiteral("7.0.15.1");
    // A server that sends more than this many gumps and messages before the
    // end marker is cut off (and reported as malformed).
    int maxEvents = 100000;
};

// What collectUntil() gathered.
struct SphereCollection
{
    QList<ServerEvent> events;   // in arrival order, the end marker last when it came
    bool endMarkerSeen = false;
    bool timedOut = false;
};

// A game client for one session with a Sphere server that uses no encryption
// (UseNoCrypt=1): logs in through the login server, is relayed to the game
// server, enters the world with the account's first character and then
// listens to what the server sends. It blocks (QTcpSocket::waitFor*), so it
// needs no event loop; every wait is bounded by a deadline.
//
//     SphereLoginClient client({.port = 2593, .account = "a", .password = "p"});
//     if (!client.logIn(QDeadlineTimer(10000)))
//         qWarning() << client.errorString();
//     const SphereCollection got = client.collectUntil("done", QDeadlineTimer(10000));
class SphereLoginClient
{
public:
    enum class Failure {
        None,
        ConnectionRefused,   // nothing listens at host:port
        LoginDenied,         // 0x82 from the server; errorString() names the reason
        NoCharacter,         // the account has no character to play
        TimedOut,            // the deadline passed during login
        ConnectionLost,      // the server closed the connection or a socket error
        MalformedPacket,     // the server's stream could not be followed
    };

    explicit SphereLoginClient(SphereLoginOptions options);
    ~SphereLoginClient();
    SphereLoginClient(const SphereLoginClient &) = delete;
    SphereLoginClient &operator=(const SphereLoginClient &) = delete;

    // Logs in and enters the world; true once the server says the login is
    // complete. Gumps and messages that arrive meanwhile are kept for
    // collectUntil(). Call once.
    bool logIn(QDeadlineTimer deadline);

    // After logIn(): gathers gumps and messages until a message equal to
    // `endMarker` arrives or the deadline passes (timedOut, no failure). On
    // a failure it returns what it had; see failure().
    SphereCollection collectUntil(const QString &endMarker, QDeadlineTimer deadline);
    // The same, until `pongs` answers to ping() have arrived (endMarkerSeen
    // then); the answers are among the events.
    SphereCollection collectPongs(int pongs, QDeadlineTimer deadline);

    // After logIn(): answers a dialog as a player does (see GumpReply).
    // False, with the failure set, when it cannot be sent or does not fit a
    // packet.
    bool sendGumpReply(const GumpReply &reply);
    // Sends a ping with the sequence number; the server answers in turn.
    bool ping(quint8 sequence);

    Failure failure() const;
    // Empty while nothing failed.
    QString errorString() const;

private:
    SphereCollection collect(const std::function<bool(const ServerEvent &)> &isEnd, int ends, const QString &waitingFor,
                             QDeadlineTimer deadline);

    struct Session;
    std::unique_ptr<Session> m_session;
};
