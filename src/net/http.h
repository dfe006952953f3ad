#pragma once
// The program's two network operations. Neither throws nor shows anything: a failure is an empty
// reply (or, for HttpRequest, the time-out message).
#include "util/text.h"

namespace dalmiro {

// The reply body of a GET (HTTP/1.0, "Accept: */*" only) through the process cookie store,
// following redirects; empty for an empty URL, a failed connection or when 30 seconds pass (15
// for the connection). A reply cut short by a read error keeps the part that arrived. Like
// HttpRequest it runs on a worker while the caller lets events run, so the window never freezes.
Bytes HttpGet(std::string_view url);

struct HttpRequestOptions {
    std::string proxy;       // plain-HTTP proxy "host:port", or empty
    std::string headers;     // extra header lines, each ending in CR LF
    Bytes body;              // sent with POST only
    std::string cookies;     // explicit Cookie value; then nothing from the store is sent
    int timeoutSeconds = 60; // overall time limit
    // out, when asked for: the final reply's raw header block (status line and header lines, CR
    // LF, ending in an empty line); a block of 2048 bytes or more reads as 2048 spaces.
    std::string* responseHeaders = nullptr;
    int replyMode = 0;                      // 1: Utf8ToGbk, 2: Big5ToSimplifiedGbk, else raw bytes
    std::string* receivedCookies = nullptr; // out: "name=value;" per Set-Cookie, when asked for
    bool followRedirects = true;
};

// The full request routine (HTTP/1.1). method 1 is POST, anything else GET. A URL without
// "http://" or "https://" gets "http://" in front; a blank one gives an empty reply at once. The
// network work runs on a worker while the caller waits and lets events run (PumpEvents). On
// time-out the reply is the GBK time-out message and the out arguments are left as they were;
// otherwise they are filled (empty on a failed connection).
Bytes HttpRequest(std::string_view url, int method = 0, const HttpRequestOptions& options = {});

// The time-out message (GBK) returned by HttpRequest when its time limit passes.
const Text& HttpTimeoutMessage();

} // namespace dalmiro
