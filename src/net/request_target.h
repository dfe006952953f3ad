#pragma once
// Where a request of HttpRequest goes: the URL as the routine normalises it and the scheme, host,
// port and path derived from it. Internal to net/; plain functions so the rules are testable.
#include <string>
#include <string_view>

namespace dalmiro::net {

// The URL a request is made for: empty when it is empty after trimming spaces; otherwise the
// untrimmed URL, with "http://" put in front unless it begins (exact case) with "http://" or
// "https://".
std::string NormaliseRequestUrl(std::string_view url);

struct RequestTarget {
    bool secure = false; // https
    std::string host;    // lower case, without port
    int port = 80;
    std::string path = "/"; // query included
};

// Splits a normalised URL. The host is the URL without any "http://" or "https://", cut before
// its first "/" and its first ":", in lower case. The path runs from the first "/" at or after
// the host to the end ("/" without one). The port is the number after the first ":" of the host
// part; 80 (443 for https) when there is none or it is no valid port.
RequestTarget DeriveRequestTarget(std::string_view url);

// The address handed to libcurl for the target: scheme, host, port (unless the scheme's own)
// and path.
std::string TargetAddress(const RequestTarget& target);

// ASCII case-insensitive search; npos when absent.
std::size_t FindIgnoringCase(std::string_view text, std::string_view what, std::size_t from = 0);
inline bool ContainsIgnoringCase(std::string_view text, std::string_view what) {
    return FindIgnoringCase(text, what) != std::string_view::npos;
}
bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix);
std::string_view TrimSpaces(std::string_view text);
std::string AsciiLower(std::string_view text);

} // namespace dalmiro::net
