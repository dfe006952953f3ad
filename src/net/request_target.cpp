#include "net/request_target.h"

#include <algorithm>

namespace dalmiro::net {

namespace {

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

void EraseAll(std::string& text, std::string_view what) {
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at)) {
        text.erase(at, what.size());
    }
}

// The number after the first ":" of the host part, or 0 when there is no usable one.
int PortOf(std::string_view hostPart) {
    const std::size_t colon = hostPart.find(':');
    if (colon == std::string_view::npos) {
        return 0;
    }
    long value = 0;
    for (std::size_t i = colon + 1; i < hostPart.size(); ++i) {
        const char c = hostPart[i];
        if (c < '0' || c > '9') {
            break;
        }
        value = value * 10 + (c - '0');
        if (value > 65535) {
            return 0;
        }
    }
    return static_cast<int>(value);
}

} // namespace

std::string_view TrimSpaces(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string AsciiLower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), LowerAscii);
    return lower;
}

std::size_t FindIgnoringCase(std::string_view text, std::string_view what, std::size_t from) {
    if (what.empty()) {
        return from <= text.size() ? from : std::string_view::npos;
    }
    if (what.size() > text.size()) {
        return std::string_view::npos;
    }
    for (std::size_t i = from; i + what.size() <= text.size(); ++i) {
        std::size_t k = 0;
        while (k < what.size() && LowerAscii(text[i + k]) == LowerAscii(what[k])) {
            ++k;
        }
        if (k == what.size()) {
            return i;
        }
    }
    return std::string_view::npos;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           FindIgnoringCase(text.substr(0, prefix.size()), prefix) == 0;
}

std::string NormaliseRequestUrl(std::string_view url) {
    if (TrimSpaces(url).empty()) {
        return {};
    }
    if (url.starts_with("http://") || url.starts_with("https://")) {
        return std::string(url);
    }
    return "http://" + std::string(url);
}

RequestTarget DeriveRequestTarget(std::string_view url) {
    RequestTarget target;
    target.secure = StartsWithIgnoringCase(url, "https://");

    std::string host(url);
    EraseAll(host, "https://");
    EraseAll(host, "http://");
    host = host.substr(0, host.find('/'));
    host = host.substr(0, host.find(':'));
    target.host = AsciiLower(host);

    // The host is looked for after the scheme, so that a host such as "t" is not found inside
    // "http://" itself.
    const std::size_t schemeLength =
        StartsWithIgnoringCase(url, "http://") ? 7 : (target.secure ? 8 : 0);
    const std::size_t hostAt = FindIgnoringCase(url, target.host, schemeLength);
    const std::size_t slash =
        hostAt == std::string_view::npos ? std::string_view::npos : url.find('/', hostAt);
    target.path = slash == std::string_view::npos ? "/" : std::string(url.substr(slash));

    std::string_view hostPart = url.substr(schemeLength);
    hostPart = hostPart.substr(0, hostPart.find('/'));
    const int port = PortOf(hostPart);
    target.port = port != 0 ? port : (target.secure ? 443 : 80);
    return target;
}

std::string TargetAddress(const RequestTarget& target) {
    const int defaultPort = target.secure ? 443 : 80;
    std::string address = target.secure ? "https://" : "http://";
    address += target.host;
    if (target.port != defaultPort) {
        address += ":" + std::to_string(target.port);
    }
    return address + target.path;
}

} // namespace dalmiro::net
