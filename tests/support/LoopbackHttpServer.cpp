#include "support/LoopbackHttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace {

constexpr int kMaxRequestBytes = 64 * 1024;
constexpr int kPollStepMs = 20;

int listenOnLoopback(quint16 &port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        throw std::runtime_error("socket() failed");
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    if (::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0
        || ::listen(fd, 8) != 0
        || ::getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length) != 0) {
        ::close(fd);
        throw std::runtime_error("cannot listen on 127.0.0.1");
    }
    port = ntohs(address.sin_port);
    return fd;
}

bool waitReadable(int fd, std::chrono::steady_clock::time_point deadline, const std::atomic<bool> &stop)
{
    while (!stop.load() && std::chrono::steady_clock::now() < deadline) {
        pollfd entry{fd, POLLIN, 0};
        const int ready = ::poll(&entry, 1, kPollStepMs);
        if (ready > 0)
            return true;
        if (ready < 0)
            return false;
    }
    return false;
}

SeenRequest parseHead(const QByteArray &head)
{
    SeenRequest request;
    const QList<QByteArray> lines = head.split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    request.method = requestLine.value(0);
    request.target = requestLine.value(1);
    request.version = requestLine.value(2);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon > 0)
            request.headers.insert(line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed());
    }
    return request;
}

} // namespace

LoopbackHttpServer::LoopbackHttpServer(Responder responder, int maxRequests, std::chrono::seconds lifetime)
    : m_responder(std::move(responder))
{
    m_listener = listenOnLoopback(m_port);
    const auto deadline = std::chrono::steady_clock::now() + lifetime;
    m_thread = std::thread([this, maxRequests, deadline] { serve(maxRequests, deadline); });
}

LoopbackHttpServer::LoopbackHttpServer(const CannedReply &reply, int maxRequests)
    : LoopbackHttpServer([reply](const SeenRequest &) { return reply; }, maxRequests)
{
}

LoopbackHttpServer::~LoopbackHttpServer()
{
    m_stop.store(true);
    if (m_thread.joinable())
        m_thread.join();
    ::close(m_listener);
}

QString LoopbackHttpServer::hostAndPort() const
{
    return QStringLiteral("127.0.0.1:%1").arg(m_port);
}

QString LoopbackHttpServer::url(const QString &path) const
{
    return QStringLiteral("http://") + hostAndPort() + path;
}

std::vector<SeenRequest> LoopbackHttpServer::requests() const
{
    const std::lock_guard lock(m_mutex);
    return m_requests;
}

int LoopbackHttpServer::requestCount() const
{
    const std::lock_guard lock(m_mutex);
    return static_cast<int>(m_requests.size());
}

quint16 LoopbackHttpServer::closedPort()
{
    quint16 port = 0;
    ::close(listenOnLoopback(port));
    return port;
}

void LoopbackHttpServer::serve(int maxRequests, std::chrono::steady_clock::time_point deadline)
{
    for (int served = 0; served < maxRequests;) {
        if (!waitReadable(m_listener, deadline, m_stop))
            return;
        const int connection = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0)
            continue;
        ++served;
        handleConnection(connection, deadline);
        ::close(connection);
    }
}

void LoopbackHttpServer::handleConnection(int connection, std::chrono::steady_clock::time_point deadline)
{
    QByteArray received;
    qsizetype headEnd = -1;
    while (headEnd < 0 && received.size() < kMaxRequestBytes) {
        if (!waitReadable(connection, deadline, m_stop))
            return;
        char buffer[4096];
        const ssize_t count = ::recv(connection, buffer, sizeof buffer, 0);
        if (count <= 0)
            return;
        received.append(buffer, count);
        headEnd = received.indexOf("\r\n\r\n");
    }
    if (headEnd < 0)
        return;

    SeenRequest request = parseHead(received.left(headEnd));
    request.body = received.mid(headEnd + 4);
    const qsizetype bodyLength = request.header("content-length").toLongLong();
    while (request.body.size() < bodyLength && request.body.size() < kMaxRequestBytes) {
        if (!waitReadable(connection, deadline, m_stop))
            return;
        char buffer[4096];
        const ssize_t count = ::recv(connection, buffer, sizeof buffer, 0);
        if (count <= 0)
            return;
        request.body.append(buffer, count);
    }
    {
        const std::lock_guard lock(m_mutex);
        m_requests.push_back(request);
    }

    const CannedReply reply = m_responder(request);
    QByteArray head = "HTTP/1.0 " + reply.status + "\r\n";
    for (const QByteArray &line : reply.extraHeaders)
        head += line + "\r\n";
    if (reply.announceLength) {
        const qint64 length = reply.announcedLength >= 0 ? reply.announcedLength : reply.body.size();
        head += "Content-Length: " + QByteArray::number(length) + "\r\n";
    }
    head += "Connection: close\r\n\r\n";
    if (!sendAll(connection, head)) {
        ++m_brokenReplies;
        return;
    }

    const qsizetype chunk = reply.chunkSize > 0 ? reply.chunkSize : qMax<qsizetype>(reply.body.size(), 1);
    for (qsizetype at = 0; at < reply.body.size(); at += chunk) {
        if (at > 0 && !pause(reply.chunkDelay)) {
            ++m_brokenReplies;
            return;
        }
        if (!sendAll(connection, reply.body.mid(at, chunk))) {
            ++m_brokenReplies;
            return;
        }
    }
    ::shutdown(connection, SHUT_WR);
}

bool LoopbackHttpServer::sendAll(int connection, const QByteArray &bytes)
{
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        const ssize_t count = ::send(connection, bytes.constData() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (count <= 0)
            return false;
        sent += count;
    }
    return true;
}

bool LoopbackHttpServer::pause(std::chrono::milliseconds duration)
{
    const auto until = std::chrono::steady_clock::now() + duration;
    while (std::chrono::steady_clock::now() < until) {
        if (m_stop.load())
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}
