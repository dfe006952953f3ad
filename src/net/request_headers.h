#pragma once
// The header lines HttpRequest and HttpGet put on the wire. Internal to net/.
#include <string>
#include <string_view>
#include <vector>

namespace dalmiro::net {

// The user agent of HttpRequest's own requests.
inline constexpr std::string_view kDefaultUserAgent =
    "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1; SV1; .NET CLR 2.0.50727; .NET CLR "
    "3.0.04506.648; .NET CLR 3.5.21022)";
// The user agent of HttpGet.
inline constexpr std::string_view kGetUserAgent =
    "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";

// The agent named by the caller's "User-Agent:" line (spaces trimmed), else the default one.
std::string RequestUserAgent(std::string_view callerHeaders);

struct HeaderRequest {
    std::string_view url; // normalised URL, sent as the Referer
    bool post = false;
    std::size_t bodySize = 0;
    std::string_view callerHeaders; // the caller's lines, each ending in CR LF
    std::string_view cookies;       // explicit Cookie value, or empty
};

// The routine's header text: the caller's lines, then Accept, Referer, Accept-Language,
// Content-Type and Content-Length (POST with a body), and the Cookie line last, each added only
// when the caller's text does not mention it (ignoring case). "RefererNo" in the caller's text
// (first exact-case occurrence removed) stands for "no Referer".
std::string BuildRequestHeaderText(const HeaderRequest& request);

// The header text as libcurl's header list: one entry per "Name: value" line, plus empty entries
// ("Name:") that keep libcurl from adding its own Accept, Expect and, for a POST without body,
// Content-Type and Content-Length, so that only the routine's lines go out.
std::vector<std::string> CurlHeaderLines(std::string_view headerText, bool post, bool emptyBody);

} // namespace dalmiro::net
