#include "net/DownloadReception.h"

#include <algorithm>

DownloadReception::DownloadReception(qint64 maxSize, bool lengthRequired)
    : m_maxSize(std::max<qint64>(0, maxSize)), m_lengthRequired(lengthRequired)
{
}

bool DownloadReception::accept(int status, qint64 contentLength)
{
    m_accepted = false;
    if (status < 200 || status > 299)
        return false;
    if (contentLength < 0 && m_lengthRequired)
        return false;
    if (contentLength > m_maxSize)
        return false;
    m_expected = std::max<qint64>(0, contentLength);
    m_body.clear();
    // Reserve only what the maximum allows, whatever was announced.
    m_body.reserve(qsizetype(m_expected));
    m_accepted = true;
    return true;
}

bool DownloadReception::take(const char *data, qsizetype size)
{
    if (!m_accepted || size < 0 || m_body.size() + size > m_maxSize)
        return false;
    m_body.append(data, size);
    return true;
}
