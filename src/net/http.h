#pragma once
// The program's two network operations. Neither throws nor shows anything: a failure is an empty
// reply (or, for HttpRequest, the time-out message).
#include "util/text.h"

namespace dalmiro {

// The reply body of a GET (HTTP/1.0, "Accept: */*" only) through the process cookie store,
// following redirects; empty for an empty URL or on any failure. Limited in time like every call.
Bytes HttpGet(std::string_view url);

struct HttpRequestOptions {
    std::string proxy;       // plain-HTTP proxy "host:port", or empty
    std::string headers;     // extra header lines, each ending in CR LF
    Bytes body;              // sent with POST only
    std::string cookies;     // explicit Cookie value; then nothing from the store is sent
    int timeoutSeconds = 60; // overall time limit
    std::string* responseHeaders = nullptr; // out: raw header block, when asked for
    int replyMode = 0;                      // 1: Utf8ToGbk, 2: Big5ToSimplifiedGbk, else raw bytes
    std::string* receivedCookies = nullptr; // out: "name=value;" per Set-Cookie, when asked for
    bool followRedirects = true;
};

// The full request routine (HTTP/1.1). method 1 is POST, anything else GET. The network work
// runs on a worker while the caller waits and lets events run (PumpEvents). On time-out the
// reply is the GBK time-out message.
Bytes HttpRequest(std::string_view url, int method = 0, const HttpRequestOptions& options = {});

// The time-out message (GBK) returned by HttpRequest when its time limit passes.
const Text& HttpTimeoutMessage();

} // namespace dalmiro
