#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <functional>

// One HTTP/1.0 exchange run on the calling thread. The request is cancelled
// from any other thread through cancel(), which also wakes a transfer that is
// waiting for the network, so it ends at once instead of at the next packet.
class HttpTransfer
{
public:
    struct Request
    {
        QByteArray url;         // "http://host[:port]/path", already encoded
        QString acceptTypes;    // empty: no Accept header
        QString agent;          // empty: no User-Agent header
        QString referer;        // empty: no Referer header
        QString userName;       // empty: no authorisation
        QString password;
        QByteArray postBody;    // not empty: a form POST with this body
        bool bypassCache = true;
        long deadlineSeconds = 0;  // the whole exchange ends after this; 0: no deadline
    };

    // Called once, when the final response's body begins or, for an empty
    // body, when the exchange has completed. contentLength is -1 when the
    // server announced none. Returning false stops before the body is read.
    using ResponseHandler = std::function<bool(int status, qint64 contentLength)>;
    // Called per block of body bytes; returning false stops the transfer.
    using BodyHandler = std::function<bool(const char *data, qsizetype size)>;

    HttpTransfer();
    ~HttpTransfer();
    HttpTransfer(const HttpTransfer &) = delete;
    HttpTransfer &operator=(const HttpTransfer &) = delete;

    // True when the exchange completed: the response was accepted by
    // onResponse and every announced body byte arrived and was taken.
    bool perform(const Request &request, const ResponseHandler &onResponse, const BodyHandler &onBody);

    // Thread-safe; idempotent.
    void cancel();

private:
    void *m_multi = nullptr; // the client's multi handle, created here so cancel() can wake it
    std::atomic<bool> m_cancelled{false};
};
