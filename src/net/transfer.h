#pragma once
// Runs one libcurl transfer and collects what the reply brought. Internal to net/.
#include "net/curl_handles.h"
#include "util/text.h"

#include <atomic>

namespace dalmiro::net {

struct TransferReply {
    CURLcode code = CURLE_OK;
    Bytes body;              // the body of the final reply
    std::string headerBlock; // status line and header lines of the final reply, as received
};

// Sets the body, header and progress callbacks on the prepared handle and performs it; a set
// `abort` flag stops the transfer at libcurl's next progress call.
TransferReply PerformTransfer(CURL* easy, const std::atomic<bool>& abort);

} // namespace dalmiro::net
