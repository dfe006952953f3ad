#include "net/http.h"

#include "net/cookie_share.h"
#include "net/reply_cookies.h"
#include "net/request_headers.h"
#include "net/request_target.h"
#include "net/transfer.h"
#include "net/worker_wait.h"

#include <algorithm>
#include <ctime>

namespace dalmiro {

namespace {

// A raw header block must fit this buffer, terminator included; a longer one reads as blank.
constexpr std::size_t kHeaderBlockLimit = 2048;
constexpr long kMaxRedirects = 20;
// HttpGet's limits: the whole call, and the connection set-up within it.
constexpr std::chrono::seconds kGetTimeLimit{30};
constexpr long kGetConnectSeconds = 15;

struct RequestRecord {
    std::string url;
    bool post = false;
    std::string proxy;
    std::string headers;
    Bytes body;
    std::string cookies;
    bool followRedirects = true;
    long long limitMs = 0;
};

struct ResultRecord {
    Bytes replyBody;
    std::string receivedCookies;
    std::string responseHeaders;
};

// Everything one HttpRequest call shares with its worker; the worker holds it to its end, so a
// worker left behind after a time-out touches nothing of the caller's.
struct RequestCall {
    RequestRecord request;
    ResultRecord result;
    std::shared_ptr<net::CookieShare> store = net::ProcessCookieShare();
    std::shared_ptr<std::atomic<bool>> abort = std::make_shared<std::atomic<bool>>(false);
};

struct GetCall {
    std::string url;
    Bytes body;
    std::shared_ptr<net::CookieShare> store = net::ProcessCookieShare();
    std::shared_ptr<std::atomic<bool>> abort = std::make_shared<std::atomic<bool>>(false);
};

template <typename T> bool Set(CURL* easy, CURLoption option, T value) {
    return curl_easy_setopt(easy, option, value) == CURLE_OK;
}

void RunRequest(RequestCall& call) {
    const RequestRecord& request = call.request;
    ResultRecord& result = call.result;
    const net::RequestTarget target = net::DeriveRequestTarget(request.url);
    const bool explicitCookies = !net::TrimSpaces(request.cookies).empty();

    const std::string headerText = net::BuildRequestHeaderText(
        {request.url, request.post, request.body.size(), request.headers, request.cookies});
    bool listOk = false;
    const net::CurlSlist headerList = net::MakeSlist(
        net::CurlHeaderLines(headerText, request.post, request.body.empty()), listOk);
    net::CurlEasy handle = net::NewCurlEasy();
    if (!listOk || !handle) {
        return;
    }
    CURL* easy = handle.get();
    const std::string address = net::TargetAddress(target);
    const std::string agent = net::RequestUserAgent(request.headers);
    // libcurl's own limit only backs up the caller's, for a worker left behind after a time-out.
    const long backstopMs =
        static_cast<long>(std::min<long long>(request.limitMs + 1000, 1L << 30));
    bool ok = Set(easy, CURLOPT_URL, address.c_str()) && Set(easy, CURLOPT_PATH_AS_IS, 1L) &&
              Set(easy, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1)) &&
              Set(easy, CURLOPT_USERAGENT, agent.c_str()) &&
              Set(easy, CURLOPT_HTTPHEADER, headerList.get()) &&
              Set(easy, CURLOPT_FOLLOWLOCATION, request.followRedirects ? 1L : 0L) &&
              Set(easy, CURLOPT_MAXREDIRS, kMaxRedirects) &&
              Set(easy, CURLOPT_TIMEOUT_MS, backstopMs);
    std::string proxy;
    if (ok && !request.proxy.empty() && !target.secure) {
        // The proxy serves plain HTTP only; HTTPS goes direct.
        proxy = "http://" + request.proxy;
        ok = Set(easy, CURLOPT_PROXY, proxy.c_str());
    }
    if (ok && request.post) {
        ok = Set(easy, CURLOPT_POST, 1L) &&
             Set(easy, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(request.body.size())) &&
             Set(easy, CURLOPT_POSTFIELDS, request.body.data());
    }
    // Explicit cookies go on a handle without the store: the store would add a second Cookie
    // line, and the reply's cookies are filed below instead.
    if (!ok || (!explicitCookies && !call.store->Attach(easy))) {
        return;
    }

    net::TransferReply reply = net::PerformTransfer(easy, *call.abort);
    handle.reset();
    if (call.abort->load()) {
        return; // the caller has gone; nothing of this reply is wanted
    }
    result.replyBody = std::move(reply.body);
    result.responseHeaders = reply.headerBlock.size() >= kHeaderBlockLimit
                                 ? std::string(kHeaderBlockLimit, ' ')
                                 : std::move(reply.headerBlock);
    net::ReplyCookies cookies = net::CollectReplyCookies(result.responseHeaders);
    result.receivedCookies = std::move(cookies.items);
    if (explicitCookies) {
        const auto now = static_cast<std::int64_t>(std::time(nullptr));
        for (const std::string& setting : cookies.settings) {
            if (std::optional<Cookie> cookie = net::CookieFromSetting(target.host, setting, now)) {
                call.store->Store(*cookie);
            }
        }
    }
    call.store->ReportChanges();
}

void RunGet(GetCall& call) {
    net::CurlEasy handle = net::NewCurlEasy();
    bool listOk = false;
    const net::CurlSlist headerList = net::MakeSlist({"Accept: */*"}, listOk);
    if (!handle || !listOk) {
        return;
    }
    CURL* easy = handle.get();
    const bool ok = Set(easy, CURLOPT_URL, call.url.c_str()) &&
                    Set(easy, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0)) &&
                    Set(easy, CURLOPT_USERAGENT, std::string(net::kGetUserAgent).c_str()) &&
                    Set(easy, CURLOPT_HTTPHEADER, headerList.get()) &&
                    Set(easy, CURLOPT_FOLLOWLOCATION, 1L) &&
                    Set(easy, CURLOPT_MAXREDIRS, kMaxRedirects) &&
                    Set(easy, CURLOPT_CONNECTTIMEOUT, kGetConnectSeconds) &&
                    Set(easy, CURLOPT_TIMEOUT, static_cast<long>(kGetTimeLimit.count())) &&
                    call.store->Attach(easy);
    if (!ok) {
        return;
    }
    net::TransferReply reply = net::PerformTransfer(easy, *call.abort);
    handle.reset();
    if (call.abort->load() || reply.code == CURLE_OPERATION_TIMEDOUT) {
        return;
    }
    // A read error part-way leaves the part that arrived, as with any partial reply.
    call.body = std::move(reply.body);
    call.store->ReportChanges();
}

} // namespace

const Text& HttpTimeoutMessage() {
    static const Text message =
        Gbk("超时返回，指定网站不能访问，或者你的网络出现问题，你可以把参数中的"
            "＂超时返回＂的值设置长一些。");
    return message;
}

Bytes HttpRequest(std::string_view url, int method, const HttpRequestOptions& options) {
    try {
        std::string normalised = net::NormaliseRequestUrl(url);
        if (normalised.empty()) {
            return {};
        }
        auto call = std::make_shared<RequestCall>();
        RequestRecord& request = call->request;
        request.url = std::move(normalised);
        request.post = method == 1;
        request.proxy = options.proxy;
        request.headers = options.headers;
        request.body = options.body;
        request.cookies = options.cookies;
        request.followRedirects = options.followRedirects;
        request.limitMs = std::max(0LL, static_cast<long long>(options.timeoutSeconds) * 1000);

        const std::shared_ptr<std::atomic<bool>> abort = call->abort;
        const net::WorkerOutcome outcome = net::RunOnWorker(
            [call] {
                try {
                    RunRequest(*call);
                } catch (const std::exception&) {
                    call->result = {};
                }
            },
            std::chrono::milliseconds(request.limitMs), abort);
        if (outcome == net::WorkerOutcome::TimedOut) {
            return HttpTimeoutMessage();
        }
        ResultRecord& result = call->result;
        if (options.responseHeaders != nullptr) {
            *options.responseHeaders = result.responseHeaders;
        }
        if (options.receivedCookies != nullptr) {
            *options.receivedCookies = result.receivedCookies;
        }
        switch (options.replyMode) {
        case 1:
            return Utf8ToGbk(result.replyBody);
        case 2:
            return Big5ToSimplifiedGbk(result.replyBody);
        default:
            return std::move(result.replyBody);
        }
    } catch (const std::exception&) {
        return {};
    }
}

Bytes HttpGet(std::string_view url) {
    if (url.empty()) {
        return {};
    }
    try {
        auto call = std::make_shared<GetCall>();
        call->url = std::string(url);
        const std::shared_ptr<std::atomic<bool>> abort = call->abort;
        const net::WorkerOutcome outcome = net::RunOnWorker(
            [call] {
                try {
                    RunGet(*call);
                } catch (const std::exception&) {
                    call->body.clear();
                }
            },
            kGetTimeLimit, abort);
        return outcome == net::WorkerOutcome::Finished ? std::move(call->body) : Bytes();
    } catch (const std::exception&) {
        return {};
    }
}

} // namespace dalmiro
