// One input is what a server answers a download with: status line, headers
// and body, sent as they stand over loopback to the download's transfer and
// taken by its reception rule. Whatever arrives, a body counts only when it
// arrived whole and within the maximum size.
#include "fuzz/FuzzInput.h"
#include "net/DownloadReception.h"
#include "net/HttpTransfer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <thread>

namespace {

constexpr qint64 MaxSize = 4096;

// A listener on 127.0.0.1 that answers every connection with the same bytes.
class RawServer
{
public:
    RawServer()
    {
        m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        FuzzInput::check(m_listener >= 0
                         && ::bind(m_listener, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0
                         && ::listen(m_listener, 16) == 0
                         && ::getsockname(m_listener, reinterpret_cast<sockaddr *>(&address), &length) == 0);
        m_port = ntohs(address.sin_port);
    }

    quint16 port() const { return m_port; }

    // Serves reply until stop() (redirects to itself come back here).
    void serve(const QByteArray &reply, const std::atomic<bool> &stop)
    {
        while (!stop.load()) {
            pollfd waiting{m_listener, POLLIN, 0};
            if (::poll(&waiting, 1, 2) <= 0)
                continue;
            const int connection = ::accept(m_listener, nullptr, nullptr);
            if (connection < 0)
                continue;
            readRequest(connection);
            for (qsizetype sent = 0; sent < reply.size();) {
                const ssize_t n = ::send(connection, reply.constData() + sent, size_t(reply.size() - sent),
                                         MSG_NOSIGNAL);
                if (n <= 0)
                    break;
                sent += n;
            }
            ::close(connection);
        }
    }

private:
    static void readRequest(int connection)
    {
        QByteArray request;
        char block[1024];
        while (!request.contains("\r\n\r\n") && request.size() < 16384) {
            pollfd readable{connection, POLLIN, 0};
            if (::poll(&readable, 1, 1000) <= 0)
                return;
            const ssize_t n = ::recv(connection, block, sizeof block, 0);
            if (n <= 0)
                return;
            request.append(block, n);
        }
    }

    int m_listener = -1;
    quint16 m_port = 0;
};

// A redirect may only lead back to this server: an absolute Location could
// send the harness out onto the network.
bool redirectsStayHere(const QByteArray &reply)
{
    const QByteArray lower = reply.toLower();
    for (qsizetype at = lower.indexOf("location"); at >= 0; at = lower.indexOf("location", at + 1)) {
        qsizetype i = at + 8;
        while (i < lower.size() && (lower[i] == ' ' || lower[i] == '\t' || lower[i] == ':'))
            ++i;
        if (i >= lower.size() || lower[i] != '/' || (i + 1 < lower.size() && (lower[i + 1] == '/' || lower[i + 1] == '\\')))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static RawServer server;
    const QByteArray reply = FuzzInput::bytes(data, size);
    if (!redirectsStayHere(reply))
        return 0;
    std::atomic<bool> stop{false};
    std::thread serving([&] { server.serve(reply, stop); });

    HttpTransfer transfer;
    HttpTransfer::Request request;
    request.url = "http://127.0.0.1:" + QByteArray::number(server.port()) + "/list.txt";
    request.deadlineSeconds = 5;
    DownloadReception reception(MaxSize, size % 2 == 1);
    const bool completed = transfer.perform(
        request, [&](int status, qint64 length) { return reception.accept(status, length); },
        [&](const char *bytes, qsizetype n) { return reception.take(bytes, n); });
    stop.store(true);
    serving.join();

    FuzzInput::check(reception.received() <= MaxSize);
    if (completed && reception.isWhole())
        FuzzInput::check(reception.body().size() == reception.expectedSize());
    return 0;
}
