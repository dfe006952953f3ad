#include "net/transfer.h"

#include <new>

namespace dalmiro::net {

namespace {

struct TransferSink {
    TransferReply reply;
    const std::atomic<bool>* abort = nullptr;
};

size_t OnBody(char* data, size_t size, size_t count, void* user) {
    auto* sink = static_cast<TransferSink*>(user);
    try {
        sink->reply.body.append(data, size * count);
    } catch (const std::bad_alloc&) {
        return 0; // libcurl ends the transfer with a write error
    }
    return size * count;
}

size_t OnHeader(char* data, size_t size, size_t count, void* user) {
    auto* sink = static_cast<TransferSink*>(user);
    const std::string_view line(data, size * count);
    // A status line starts the block of a new reply (after a redirect or an interim 1xx reply);
    // only the final reply's block is kept.
    if (line.starts_with("HTTP/")) {
        sink->reply.headerBlock.clear();
    }
    try {
        sink->reply.headerBlock.append(line);
    } catch (const std::bad_alloc&) {
        return 0;
    }
    return size * count;
}

int OnProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    const auto* sink = static_cast<const TransferSink*>(user);
    return sink->abort->load() ? 1 : 0;
}

} // namespace

TransferReply PerformTransfer(CURL* easy, const std::atomic<bool>& abort) {
    TransferSink sink;
    sink.abort = &abort;
    bool ok = curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, OnBody) == CURLE_OK &&
              curl_easy_setopt(easy, CURLOPT_WRITEDATA, &sink) == CURLE_OK &&
              curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, OnHeader) == CURLE_OK &&
              curl_easy_setopt(easy, CURLOPT_HEADERDATA, &sink) == CURLE_OK &&
              curl_easy_setopt(easy, CURLOPT_XFERINFOFUNCTION, OnProgress) == CURLE_OK &&
              curl_easy_setopt(easy, CURLOPT_XFERINFODATA, &sink) == CURLE_OK &&
              curl_easy_setopt(easy, CURLOPT_NOPROGRESS, 0L) == CURLE_OK;
    if (!ok) {
        sink.reply.code = CURLE_FAILED_INIT;
        return sink.reply;
    }
    sink.reply.code = curl_easy_perform(easy);
    return std::move(sink.reply);
}

} // namespace dalmiro::net
