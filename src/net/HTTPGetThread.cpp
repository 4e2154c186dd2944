#include "net/HTTPGetThread.h"

#include "net/DownloadReception.h"
#include "net/HttpAddress.h"
#include "platform/RuntimeError.h"
#include "platform/SafeFile.h"

#include <algorithm>

#include <system_error>

THTTPGetThread::THTTPGetThread(const HTTPGetSettings &settings, bool reportProgress, QObject *parent)
    : QObject(parent), m_settings(settings), m_reportProgress(reportProgress)
{
}

THTTPGetThread::~THTTPGetThread()
{
    requestTermination();
    wait();
}

void THTTPGetThread::start()
{
    if (m_thread.joinable())
        return;
    try {
        m_thread = std::thread([this] { run(); });
    } catch (const std::system_error &) {
        // No thread to be had: the download fails like any other would.
        m_result.store(false);
        emit finished();
    }
}

void THTTPGetThread::wait()
{
    if (m_thread.joinable() && m_thread.get_id() != std::this_thread::get_id())
        m_thread.join();
}

void THTTPGetThread::requestTermination()
{
    m_terminationRequested.store(true);
    m_transfer.cancel();
}

void THTTPGetThread::run()
{
    bool succeeded = false;
    try {
        succeeded = download();
    } catch (...) {
        // Whatever went wrong, the owner hears of it as a failed download.
        succeeded = false;
    }
    m_result.store(succeeded && !terminationRequested());
    emit finished();
}

bool THTTPGetThread::download()
{
    const HttpAddress address = HttpAddress::split(m_settings.URL);
    if (terminationRequested() || !address.hasUsableHost())
        return false;

    HttpTransfer::Request request;
    request.url = address.clientUrl();
    request.acceptTypes = m_settings.AcceptTypes;
    request.agent = m_settings.Agent;
    request.referer = m_settings.Referer;
    request.userName = m_settings.UserName;
    request.password = m_settings.Password;
    request.postBody = m_settings.PostQuery.toUtf8();
    request.bypassCache = !m_settings.UseCache;
    request.deadlineSeconds = std::max(0, m_settings.DeadlineSeconds);

    // The body is gathered (up to MaxSize) and written out only when all of it
    // arrived, so a failed or cut-short download leaves an older copy as it was.
    DownloadReception reception(m_settings.MaxSize, m_settings.BinaryData);
    const auto onResponse = [&](int status, qint64 contentLength) {
        if (!reception.accept(status, contentLength))
            return false;
        m_fileSize.store(reception.expectedSize());
        return true;
    };
    const auto onBody = [&](const char *data, qsizetype size) {
        if (terminationRequested() || !reception.take(data, size))
            return false;
        m_bytesRead.store(reception.received());
        if (m_reportProgress)
            emit progressed(m_fileSize.load(), reception.received());
        return true;
    };

    const bool completed = m_transfer.perform(request, onResponse, onBody);
    if (!completed || terminationRequested() || !reception.isWhole())
        return false;
    try {
        SafeFile::write(m_settings.FileName, reception.body());
    } catch (const RuntimeError &) {
        return false;
    }
    return true;
}
