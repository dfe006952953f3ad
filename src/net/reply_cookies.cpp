#include "net/reply_cookies.h"

#include "net/request_target.h"

#include <curl/curl.h>

#include <cstdlib>
#include <limits>

namespace dalmiro::net {

namespace {

constexpr std::string_view kSetCookie = "Set-Cookie: ";

bool IsIpAddress(std::string_view host) {
    return !host.empty() && (host.find_first_not_of("0123456789.") == std::string_view::npos ||
                             host.find(':') != std::string_view::npos);
}

// True when `host` is `domain` or one of its subdomains.
bool DomainMatches(std::string_view host, std::string_view domain) {
    if (host == domain) {
        return true;
    }
    return !IsIpAddress(host) && host.size() > domain.size() && host.ends_with(domain) &&
           host[host.size() - domain.size() - 1] == '.';
}

} // namespace

ReplyCookies CollectReplyCookies(std::string_view headerBlock) {
    ReplyCookies cookies;
    if (!ContainsIgnoringCase(headerBlock, kSetCookie)) {
        return cookies;
    }
    std::size_t start = 0;
    while (start < headerBlock.size()) {
        std::size_t end = headerBlock.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            end = headerBlock.size();
        }
        const std::string_view line = headerBlock.substr(start, end - start);
        start = end + 1;
        if (!ContainsIgnoringCase(line, kSetCookie)) {
            continue;
        }
        const std::string_view setting = line.substr(std::min(line.size(), kSetCookie.size()));
        // A cookie without attributes is the whole setting, not an empty item.
        cookies.items.append(setting.substr(0, setting.find(';'))).append(";");
        cookies.settings.emplace_back(setting);
    }
    return cookies;
}

std::optional<Cookie> CookieFromSetting(std::string_view host, std::string_view setting,
                                        std::int64_t now) {
    Cookie cookie;
    cookie.domain = AsciiLower(host);
    const std::size_t semicolon = setting.find(';');
    const std::string_view pair = setting.substr(0, semicolon);
    const std::size_t equals = pair.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    cookie.name = std::string(TrimSpaces(pair.substr(0, equals)));
    cookie.value = std::string(TrimSpaces(pair.substr(equals + 1)));
    if (cookie.name.empty()) {
        return std::nullopt;
    }
    bool haveMaxAge = false;
    std::string_view rest =
        semicolon == std::string_view::npos ? std::string_view{} : setting.substr(semicolon + 1);
    while (!rest.empty()) {
        const std::size_t next = rest.find(';');
        const std::string_view attribute = TrimSpaces(rest.substr(0, next));
        rest = next == std::string_view::npos ? std::string_view{} : rest.substr(next + 1);
        const std::size_t eq = attribute.find('=');
        const std::string key = AsciiLower(TrimSpaces(attribute.substr(0, eq)));
        const std::string value(eq == std::string_view::npos
                                    ? std::string_view{}
                                    : TrimSpaces(attribute.substr(eq + 1)));
        if (key == "path" && value.starts_with('/')) {
            cookie.path = value;
        } else if (key == "domain" && !value.empty()) {
            std::string domain = AsciiLower(value);
            if (domain.starts_with('.')) {
                domain.erase(0, 1);
            }
            if (!DomainMatches(cookie.domain, domain)) {
                return std::nullopt;
            }
            cookie.hostOnly = IsIpAddress(domain);
            cookie.domain = domain;
        } else if (key == "max-age" && !value.empty()) {
            char* end = nullptr;
            const long long seconds = std::strtoll(value.c_str(), &end, 10);
            if (end != value.c_str() && *end == '\0') {
                haveMaxAge = true;
                // Zero or less deletes the cookie: an expiry in the past (0 would mean session).
                // The server picks the number: a huge one lasts for ever instead of overflowing.
                constexpr std::int64_t kForever = std::numeric_limits<std::int64_t>::max();
                cookie.expires = seconds <= 0               ? 1
                                 : seconds > kForever - now ? kForever
                                                            : now + seconds;
            }
        } else if (key == "expires" && !haveMaxAge) {
            const time_t when = curl_getdate(value.c_str(), nullptr);
            if (when != -1) {
                cookie.expires = when <= 0 ? 1 : static_cast<std::int64_t>(when);
            }
        } else if (key == "secure") {
            cookie.secure = true;
        } else if (key == "httponly") {
            cookie.httpOnly = true;
        }
    }
    return cookie;
}

} // namespace dalmiro::net
