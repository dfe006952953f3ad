#pragma once
// Reading the cookies a reply sets out of its raw header block. Internal to net/.
#include "net/cookie_store.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dalmiro::net {

struct ReplyCookies {
    std::string items;                 // "name=value;" per Set-Cookie line, in header order
    std::vector<std::string> settings; // each Set-Cookie line after "Set-Cookie: "
};

// Goes through the header block line by line and collects every line that contains
// "Set-Cookie: " (ignoring case).
ReplyCookies CollectReplyCookies(std::string_view headerBlock);

// The cookie a Set-Cookie setting ("name=value; path=/; ...") makes for `host`, as a browser
// files it: host-only unless a domain attribute covers the host, path "/" unless given, expiry
// from Max-Age or Expires (a past one for a deletion). Nothing when the setting has no name or
// names a domain the host does not belong to.
std::optional<Cookie> CookieFromSetting(std::string_view host, std::string_view setting,
                                        std::int64_t now);

} // namespace dalmiro::net
