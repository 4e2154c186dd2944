#include "net/HttpTransfer.h"

#include <curl/curl.h>

#include <memory>

namespace {

constexpr long kConnectTimeoutSeconds = 30;
// A server that sends nothing for this long has stalled; the download fails
// instead of holding the caller forever.
constexpr long kStallSeconds = 60;
constexpr long kMaxRedirects = 5;
// The block size the progress events are counted in.
constexpr long kBlockSize = 1025;
constexpr int kPollMilliseconds = 1000;

#ifdef CURL_WRITEFUNC_ERROR
constexpr size_t kStopWriting = CURL_WRITEFUNC_ERROR;
#else
constexpr size_t kStopWriting = 0;
#endif

void initialiseClientOnce()
{
    // Thread-safe in the library versions we build against, and cheap after the first call.
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    (void)initialised;
}

struct EasyDeleter { void operator()(CURL *easy) const { curl_easy_cleanup(easy); } };
struct HeaderListDeleter { void operator()(curl_slist *list) const { curl_slist_free_all(list); } };
using EasyHandle = std::unique_ptr<CURL, EasyDeleter>;
using HeaderList = std::unique_ptr<curl_slist, HeaderListDeleter>;

void appendHeader(HeaderList &list, const QByteArray &line)
{
    curl_slist *const grown = curl_slist_append(list.get(), line.constData());
    if (grown) {
        (void)list.release();
        list.reset(grown);
    }
}

// State the client's callbacks work on during one exchange.
struct Exchange
{
    CURL *easy;
    const HttpTransfer::ResponseHandler &onResponse;
    const HttpTransfer::BodyHandler &onBody;
    const std::atomic<bool> &cancelled;
    bool responseSeen = false;
    bool responseAccepted = false;

    bool beginResponse()
    {
        responseSeen = true;
        long status = 0;
        curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &status);
        curl_off_t length = -1;
        curl_easy_getinfo(easy, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
        responseAccepted = onResponse(static_cast<int>(status), static_cast<qint64>(length));
        return responseAccepted;
    }
};

size_t receiveBody(char *data, size_t size, size_t count, void *context)
{
    auto *exchange = static_cast<Exchange *>(context);
    const size_t bytes = size * count;
    if (exchange->cancelled.load())
        return kStopWriting;
    if (!exchange->responseSeen && !exchange->beginResponse())
        return kStopWriting;
    if (!exchange->responseAccepted)
        return kStopWriting;
    return exchange->onBody(data, static_cast<qsizetype>(bytes)) ? bytes : kStopWriting;
}

HeaderList configure(CURL *easy, const HttpTransfer::Request &request, Exchange &exchange)
{
    curl_easy_setopt(easy, CURLOPT_URL, request.url.constData());
    curl_easy_setopt(easy, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
#if LIBCURL_VERSION_NUM >= 0x075500
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http");
    curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, "http");
#else
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS, static_cast<long>(CURLPROTO_HTTP));
    curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS, static_cast<long>(CURLPROTO_HTTP));
#endif
    // The path goes to the server exactly as written, "/../" included.
    curl_easy_setopt(easy, CURLOPT_PATH_AS_IS, 1L);
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(easy, CURLOPT_MAXREDIRS, kMaxRedirects);
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
    if (request.deadlineSeconds > 0)
        curl_easy_setopt(easy, CURLOPT_TIMEOUT, request.deadlineSeconds);
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, kStallSeconds);
    curl_easy_setopt(easy, CURLOPT_BUFFERSIZE, kBlockSize);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &receiveBody);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &exchange);

    if (!request.agent.isEmpty())
        curl_easy_setopt(easy, CURLOPT_USERAGENT, request.agent.toUtf8().constData());
    if (!request.referer.isEmpty())
        curl_easy_setopt(easy, CURLOPT_REFERER, request.referer.toUtf8().constData());
    if (!request.userName.isEmpty() || !request.password.isEmpty()) {
        curl_easy_setopt(easy, CURLOPT_HTTPAUTH, static_cast<long>(CURLAUTH_BASIC));
        curl_easy_setopt(easy, CURLOPT_USERNAME, request.userName.toUtf8().constData());
        curl_easy_setopt(easy, CURLOPT_PASSWORD, request.password.toUtf8().constData());
    }

    HeaderList headers;
    // A bare "Accept:" makes the client send no Accept header at all.
    appendHeader(headers, request.acceptTypes.isEmpty() ? QByteArray("Accept:")
                                                        : "Accept: " + request.acceptTypes.toUtf8());
    if (request.bypassCache) {
        appendHeader(headers, "Pragma: no-cache");
        appendHeader(headers, "Cache-Control: no-cache");
    }
    if (!request.postBody.isEmpty()) {
        appendHeader(headers, "Content-Type: application/x-www-form-urlencoded");
        curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(request.postBody.size()));
        curl_easy_setopt(easy, CURLOPT_COPYPOSTFIELDS, request.postBody.constData());
    }
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headers.get());
    return headers;
}

} // namespace

HttpTransfer::HttpTransfer()
{
    initialiseClientOnce();
    m_multi = curl_multi_init();
}

HttpTransfer::~HttpTransfer()
{
    if (m_multi)
        curl_multi_cleanup(static_cast<CURLM *>(m_multi));
}

void HttpTransfer::cancel()
{
    m_cancelled.store(true);
    if (m_multi)
        curl_multi_wakeup(static_cast<CURLM *>(m_multi));
}

bool HttpTransfer::perform(const Request &request, const ResponseHandler &onResponse, const BodyHandler &onBody)
{
    auto *const multi = static_cast<CURLM *>(m_multi);
    const EasyHandle easy(curl_easy_init());
    if (!multi || !easy || m_cancelled.load())
        return false;

    Exchange exchange{easy.get(), onResponse, onBody, m_cancelled};
    const HeaderList headers = configure(easy.get(), request, exchange);
    if (curl_multi_add_handle(multi, easy.get()) != CURLM_OK)
        return false;

    int running = 1;
    while (running > 0 && !m_cancelled.load()) {
        if (curl_multi_perform(multi, &running) != CURLM_OK)
            break;
        if (running > 0 && !m_cancelled.load())
            curl_multi_poll(multi, nullptr, 0, kPollMilliseconds, nullptr);
    }

    bool completed = false;
    int messagesLeft = 0;
    while (CURLMsg *message = curl_multi_info_read(multi, &messagesLeft)) {
        if (message->msg == CURLMSG_DONE && message->easy_handle == easy.get())
            completed = message->data.result == CURLE_OK;
    }
    curl_multi_remove_handle(multi, easy.get());

    if (!completed || m_cancelled.load())
        return false;
    if (!exchange.responseSeen)
        exchange.beginResponse(); // an empty body: the response is judged now
    return exchange.responseAccepted;
}
