#pragma once

#include <QByteArray>

// How a download takes what the server sends, apart from the network: the
// final response's status and announced length decide whether the body is
// read at all, the body is gathered up to a maximum size, and only a body
// that arrived whole counts. Without an announced length only an empty body
// is whole.
class DownloadReception
{
public:
    // lengthRequired: a response that announces no length is not read.
    DownloadReception(qint64 maxSize, bool lengthRequired);

    // The response's status and Content-Length (-1: none); false refuses it.
    bool accept(int status, qint64 contentLength);
    // One block of the body; false stops the transfer (over the maximum).
    bool take(const char *data, qsizetype size);

    bool isWhole() const { return m_accepted && m_body.size() == m_expected; }
    qint64 expectedSize() const { return m_expected; }
    qint64 received() const { return m_body.size(); }
    const QByteArray &body() const { return m_body; }

private:
    const qint64 m_maxSize;
    const bool m_lengthRequired;
    bool m_accepted = false;
    qint64 m_expected = 0;
    QByteArray m_body;
};
