#include "sphereclient/SphereLoginClient.h"
#include "sphereclient/BigEndianWriting.h"

#include "sphereclient/HuffmanDecoder.h"
#include "sphereclient/PacketSplitter.h"
#include "sphereclient/ServerMessage.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QtEndian>

#include <deque>

namespace {

constexpr qsizetype NameBytes = 30;
constexpr qint64 ReadChunk = 64 * 1024;

using BigEndianWriting::appendU16;
using BigEndianWriting::appendU32;

// A name or password in its zero-padded field; longer ones are cut.
void appendFixed(QByteArray &out, const QString &text, qsizetype size)
{
    QByteArray bytes = text.toUtf8().left(size);
    bytes.resize(size, '\0');
    out.append(bytes);
}

QString loginDeniedReason(quint8 reason)
{
    switch (reason) {
    case 0x00: return QStringLiteral("no such account");
    case 0x01: return QStringLiteral("the account is in use");
    case 0x02: return QStringLiteral("the account or client is blocked");
    case 0x03: return QStringLiteral("incorrect password");
    default: return QStringLiteral("refused");
    }
}

QString hexId(quint8 id)
{
    return QStringLiteral("0x%1").arg(id, 2, 16, QLatin1Char('0'));
}

} // namespace

struct SphereLoginClient::Session
{
    explicit Session(SphereLoginOptions o) : options(std::move(o)) {}

    const SphereLoginOptions options;
    std::unique_ptr<QTcpSocket> socket;
    HuffmanDecoder decoder;
    PacketSplitter splitter;
    std::deque<ServerEvent> pending;
    qint64 eventCount = 0;
    bool playSent = false;
    bool loginComplete = false;
    Failure failure = Failure::None;
    QString error;

    bool fail(Failure kind, const QString &why)
    {
        if (failure == Failure::None) {
            failure = kind;
            error = why;
        }
        return false;
    }

    QString where(quint16 port) const { return QStringLiteral("%1:%2").arg(options.host).arg(port); }

    bool connectTo(quint16 port, QDeadlineTimer deadline)
    {
        socket = std::make_unique<QTcpSocket>();
        socket->connectToHost(options.host, port);
        if (socket->waitForConnected(int(qMax<qint64>(1, deadline.remainingTime()))))
            return true;
        if (socket->error() == QAbstractSocket::ConnectionRefusedError)
            return fail(Failure::ConnectionRefused, QStringLiteral("connection refused by %1").arg(where(port)));
        if (deadline.hasExpired() || socket->error() == QAbstractSocket::SocketTimeoutError)
            return fail(Failure::TimedOut, QStringLiteral("timed out connecting to %1").arg(where(port)));
        return fail(Failure::ConnectionLost,
                    QStringLiteral("cannot connect to %1: %2").arg(where(port), socket->errorString()));
    }

    bool send(const QByteArray &bytes)
    {
        if (socket->write(bytes) != bytes.size() || !socket->waitForBytesWritten(5000))
            return fail(Failure::ConnectionLost, QStringLiteral("cannot send: %1").arg(socket->errorString()));
        return true;
    }

    // Waits for data; false (with the failure set) when the deadline passed
    // or the connection went.
    bool waitForData(QDeadlineTimer deadline, const QString &waitingFor)
    {
        if (socket->bytesAvailable() > 0)
            return true;
        if (socket->state() != QAbstractSocket::ConnectedState)
            return fail(Failure::ConnectionLost, QStringLiteral("the server closed the connection while %1").arg(waitingFor));
        const qint64 left = deadline.remainingTime();
        if (left == 0 || !socket->waitForReadyRead(int(qMin<qint64>(left < 0 ? 60000 : left, 60000)))) {
            if (socket->bytesAvailable() > 0)
                return true;
            if (deadline.hasExpired() || socket->error() == QAbstractSocket::SocketTimeoutError)
                return fail(Failure::TimedOut, QStringLiteral("timed out while %1").arg(waitingFor));
            return fail(Failure::ConnectionLost,
                        QStringLiteral("the connection ended while %1: %2").arg(waitingFor, socket->errorString()));
        }
        return true;
    }

    // Login server phase: plain packets, read to their exact length.
    std::optional<QByteArray> readExactly(qint64 count, QDeadlineTimer deadline, const QString &waitingFor)
    {
        QByteArray bytes;
        while (bytes.size() < count) {
            if (!waitForData(deadline, waitingFor))
                return std::nullopt;
            bytes.append(socket->read(count - bytes.size()));
        }
        return bytes;
    }

    // Reads the login server's answer: `expected` or a 0x82 refusal.
    std::optional<QByteArray> readLoginAnswer(quint8 expected, QDeadlineTimer deadline, const QString &waitingFor)
    {
        const std::optional<QByteArray> id = readExactly(1, deadline, waitingFor);
        if (!id)
            return std::nullopt;
        const auto got = quint8(id->at(0));
        if (got == 0x82) {
            const std::optional<QByteArray> reason = readExactly(1, deadline, waitingFor);
            if (reason)
                fail(Failure::LoginDenied, QStringLiteral("login denied: %1 (reason %2)")
                                               .arg(loginDeniedReason(quint8(reason->at(0))))
                                               .arg(quint8(reason->at(0))));
            return std::nullopt;
        }
        if (got != expected) {
            fail(Failure::MalformedPacket,
                 QStringLiteral("expected packet %1 from the login server, got %2").arg(hexId(expected), hexId(got)));
            return std::nullopt;
        }
        const int fixed = PacketSplitter::lengthOf(got);
        qint64 rest = fixed - 1;
        QByteArray packet = *id;
        if (fixed == PacketSplitter::Variable) {
            const std::optional<QByteArray> length = readExactly(2, deadline, waitingFor);
            if (!length)
                return std::nullopt;
            packet.append(*length);
            rest = qFromBigEndian<quint16>(length->constData()) - 3;
            if (rest < 0) {
                fail(Failure::MalformedPacket, QStringLiteral("packet %1 claims a length below 3").arg(hexId(got)));
                return std::nullopt;
            }
        }
        const std::optional<QByteArray> body = readExactly(rest, deadline, waitingFor);
        if (!body)
            return std::nullopt;
        return packet + *body;
    }

    QList<quint32> versionNumbers() const
    {
        QList<quint32> numbers;
        for (const QString &part : options.clientVersion.split(u'.'))
            numbers.append(part.toUInt());
        numbers.resize(4, 0);
        return numbers;
    }

    bool loginServer(QDeadlineTimer deadline, quint16 &gamePort, quint32 &key)
    {
        if (!connectTo(options.port, deadline))
            return false;
        QByteArray hello;
        hello.append(char(0xEF));
        appendU32(hello, 0x7F000001);
        for (const quint32 n : versionNumbers())
            appendU32(hello, n);
        hello.append(char(0x80));
        appendFixed(hello, options.account, NameBytes);
        appendFixed(hello, options.password, NameBytes);
        hello.append(char(0xFF));
        if (!send(hello) || !readLoginAnswer(0xA8, deadline, QStringLiteral("waiting for the server list")))
            return false;
        QByteArray select;
        select.append(char(0xA0));
        appendU16(select, 0);
        if (!send(select))
            return false;
        const std::optional<QByteArray> relay = readLoginAnswer(0x8C, deadline, QStringLiteral("waiting for the relay"));
        if (!relay)
            return false;
        // The relay's address is ignored: the game server is sought on the
        // host the login server was found on.
        gamePort = qFromBigEndian<quint16>(relay->constData() + 5);
        key = qFromBigEndian<quint32>(relay->constData() + 7);
        socket->disconnectFromHost();
        return true;
    }

    bool gameLogin(QDeadlineTimer deadline, quint16 gamePort, quint32 key)
    {
        if (!connectTo(gamePort, deadline))
            return false;
        QByteArray login;
        appendU32(login, key);
        login.append(char(0x91));
        appendU32(login, key);
        appendFixed(login, options.account, NameBytes);
        appendFixed(login, options.password, NameBytes);
        return send(login);
    }

    bool answerVersion()
    {
        const QByteArray version = options.clientVersion.toLatin1() + '\0';
        QByteArray answer;
        answer.append(char(0xBD));
        appendU16(answer, quint16(3 + version.size()));
        answer.append(version);
        return send(answer);
    }

    bool playFirstCharacter(const QByteArray &characterList)
    {
        // id, length, count, then 60 bytes (name, password) per slot.
        if (characterList.size() < 4 + NameBytes || characterList.at(3) == 0 || characterList.at(4) == 0)
            return fail(Failure::NoCharacter, QStringLiteral("the account %1 has no character").arg(options.account));
        QByteArray play(73, '\0');
        play[0] = char(0x5D);
        qToBigEndian<quint32>(0xEDEDEDED, play.data() + 1);
        play.replace(5, NameBytes, characterList.mid(4, NameBytes));
        qToBigEndian<quint32>(0, play.data() + 65);   // slot
        qToBigEndian<quint32>(0x7F000001, play.data() + 69);
        playSent = true;
        return send(play);
    }

    bool keep(ServerEvent event)
    {
        if (++eventCount > options.maxEvents)
            return fail(Failure::MalformedPacket,
                        QStringLiteral("more than %1 gumps and messages").arg(options.maxEvents));
        pending.push_back(std::move(event));
        return true;
    }

    bool handle(const QByteArray &packet)
    {
        const auto id = quint8(packet.at(0));
        switch (id) {
        case 0x82:
            return fail(Failure::LoginDenied, QStringLiteral("login denied: %1 (reason %2)")
                                                  .arg(loginDeniedReason(quint8(packet.at(1))))
                                                  .arg(quint8(packet.at(1))));
        case 0xBD:
            return answerVersion();
        case 0xA9:
            return playSent || playFirstCharacter(packet);
        case 0x55:
            loginComplete = true;
            return true;
        case 0xDD:
        case 0xB0: {
            QString why;
            std::optional<ReceivedGump> gump = readGumpPacket(packet, &why);
            if (!gump)
                return fail(Failure::MalformedPacket, QStringLiteral("malformed gump packet %1: %2").arg(hexId(id), why));
            return keep({ServerEvent::Gump, std::move(*gump), {}});
        }
        case 0x73:
            return keep({ServerEvent::Pong, {}, {}, quint8(packet.at(1))});
        case 0x1C:
        case 0xAE: {
            std::optional<QString> text = readServerMessage(packet);
            if (!text)
                return fail(Failure::MalformedPacket, QStringLiteral("malformed message packet %1").arg(hexId(id)));
            return keep({ServerEvent::Message, {}, std::move(*text)});
        }
        default:
            return true;
        }
    }

    // Reads what has arrived (waiting for it if need be) and handles every
    // whole packet in it.
    bool pump(QDeadlineTimer deadline, const QString &waitingFor)
    {
        if (!waitForData(deadline, waitingFor))
            return false;
        QByteArray decoded;
        decoder.decode(socket->read(ReadChunk), decoded);
        splitter.append(decoded);
        while (std::optional<QByteArray> packet = splitter.next())
            if (!handle(*packet))
                return false;
        if (!splitter.error().isEmpty())
            return fail(Failure::MalformedPacket, QStringLiteral("cannot follow the server's stream: %1").arg(splitter.error()));
        return true;
    }
};

SphereLoginClient::SphereLoginClient(SphereLoginOptions options)
    : m_session(std::make_unique<Session>(std::move(options)))
{
}

SphereLoginClient::~SphereLoginClient() = default;

bool SphereLoginClient::logIn(QDeadlineTimer deadline)
{
    Session &s = *m_session;
    quint16 gamePort = 0;
    quint32 key = 0;
    if (s.failure != Failure::None || !s.loginServer(deadline, gamePort, key) || !s.gameLogin(deadline, gamePort, key))
        return false;
    while (!s.loginComplete)
        if (!s.pump(deadline, QStringLiteral("entering the world")))
            return false;
    return true;
}

SphereCollection SphereLoginClient::collectUntil(const QString &endMarker, QDeadlineTimer deadline)
{
    return collect([&](const ServerEvent &e) { return e.kind == ServerEvent::Message && e.message == endMarker; }, 1,
                   QStringLiteral("waiting for \"%1\"").arg(endMarker), deadline);
}

SphereCollection SphereLoginClient::collectPongs(int pongs, QDeadlineTimer deadline)
{
    return collect([](const ServerEvent &e) { return e.kind == ServerEvent::Pong; }, pongs,
                   QStringLiteral("waiting for %1 answers to pings").arg(pongs), deadline);
}

SphereCollection SphereLoginClient::collect(const std::function<bool(const ServerEvent &)> &isEnd, int ends,
                                            const QString &waitingFor, QDeadlineTimer deadline)
{
    Session &s = *m_session;
    SphereCollection got;
    if (!s.socket)
        s.fail(Failure::ConnectionLost, QStringLiteral("collecting before logIn()"));
    int seen = 0;
    if (ends <= 0) {
        got.endMarkerSeen = true;
        return got;
    }
    while (s.failure == Failure::None || !s.pending.empty()) {
        while (!s.pending.empty()) {
            got.events.append(std::move(s.pending.front()));
            s.pending.pop_front();
            if (isEnd(got.events.constLast()) && ++seen == ends) {
                got.endMarkerSeen = true;
                return got;
            }
        }
        if (s.failure != Failure::None)
            break;
        if (!s.pump(deadline, waitingFor) && s.failure == Failure::TimedOut) {
            // Running out of time here is an answer, not a failure.
            s.failure = Failure::None;
            s.error.clear();
            got.timedOut = true;
            // Keep what the last read brought.
            while (!s.pending.empty()) {
                got.events.append(std::move(s.pending.front()));
                s.pending.pop_front();
            }
            return got;
        }
    }
    return got;
}

bool SphereLoginClient::sendGumpReply(const GumpReply &reply)
{
    Session &s = *m_session;
    if (!s.socket || s.failure != Failure::None)
        return s.fail(Failure::ConnectionLost, QStringLiteral("a reply before logIn()"));
    const std::optional<QByteArray> packet = writeGumpReply(reply);
    if (!packet)
        return s.fail(Failure::MalformedPacket, QStringLiteral("the reply to gump %1 does not fit a packet").arg(reply.gumpId));
    return s.send(*packet);
}

bool SphereLoginClient::ping(quint8 sequence)
{
    Session &s = *m_session;
    if (!s.socket || s.failure != Failure::None)
        return s.fail(Failure::ConnectionLost, QStringLiteral("a ping before logIn()"));
    QByteArray packet;
    packet.append(char(0x73));
    packet.append(char(sequence));
    return s.send(packet);
}

SphereLoginClient::Failure SphereLoginClient::failure() const
{
    return m_session->failure;
}

QString SphereLoginClient::errorString() const
{
    return m_session->error;
}
