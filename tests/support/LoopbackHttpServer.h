#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// A request as the test server received it. Header names are lower-cased.
struct SeenRequest
{
    QByteArray method;
    QByteArray target;
    QByteArray version;
    QMap<QByteArray, QByteArray> headers;
    QByteArray body;

    bool hasHeader(const QByteArray &name) const { return headers.contains(name.toLower()); }
    QByteArray header(const QByteArray &name) const { return headers.value(name.toLower()); }
};

// What the test server answers. The body can be sent in slow chunks, and the
// announced length may differ from what is sent (the connection then closes
// early, like a broken download).
struct CannedReply
{
    QByteArray status = "200 OK";
    QList<QByteArray> extraHeaders;  // complete lines without CR LF
    QByteArray body;
    bool announceLength = true;      // send "Content-Length"
    qint64 announcedLength = -1;     // when >= 0, announced instead of body.size()
    int chunkSize = 0;               // 0: the whole body at once
    std::chrono::milliseconds chunkDelay{0};
};

// A small HTTP/1.0 server for tests. It listens on 127.0.0.1 only, on a port
// the system picks, serves at most maxRequests connections one after the
// other, and stops by itself after its lifetime.
class LoopbackHttpServer
{
public:
    using Responder = std::function<CannedReply(const SeenRequest &)>;

    explicit LoopbackHttpServer(Responder responder, int maxRequests = 8,
                                std::chrono::seconds lifetime = std::chrono::seconds(30));
    explicit LoopbackHttpServer(const CannedReply &reply, int maxRequests = 8);
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer &) = delete;
    LoopbackHttpServer &operator=(const LoopbackHttpServer &) = delete;

    quint16 port() const { return m_port; }
    // "127.0.0.1:<port>"
    QString hostAndPort() const;
    // "http://127.0.0.1:<port>" + path
    QString url(const QString &path) const;

    std::vector<SeenRequest> requests() const;
    int requestCount() const;
    // Connections whose reply could not be sent to the end (the client left).
    int brokenReplies() const { return m_brokenReplies.load(); }

    // A loopback port on which nothing listens, for refused connections.
    static quint16 closedPort();

private:
    void serve(int maxRequests, std::chrono::steady_clock::time_point deadline);
    void handleConnection(int connection, std::chrono::steady_clock::time_point deadline);
    bool sendAll(int connection, const QByteArray &bytes);
    bool pause(std::chrono::milliseconds duration);

    Responder m_responder;
    int m_listener = -1;
    quint16 m_port = 0;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_brokenReplies{0};
    mutable std::mutex m_mutex;
    std::vector<SeenRequest> m_requests;
    std::thread m_thread;
};
