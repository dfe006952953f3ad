#pragma once
// The process cookie store, shared by every request on every thread and bridged to the sign-in
// browser view.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace dalmiro {

struct Cookie {
    std::string domain;   // host name, without a leading dot
    bool hostOnly = true; // false: the cookie also goes to subdomains of `domain`
    std::string path = "/";
    bool secure = false;
    bool httpOnly = false;
    std::int64_t expires = 0; // seconds since the epoch; 0 for a session cookie
    std::string name;
    std::string value;

    friend bool operator==(const Cookie&, const Cookie&) = default;
};

// Adds or replaces a cookie in the process store (a cookie from the browser view, say). Listeners
// are not told of cookies inserted this way, so the browser bridge never echoes its own cookies.
void InsertCookie(const Cookie& cookie);
// Every cookie the store holds now.
std::vector<Cookie> AllCookies();
// Calls `listener` (on whatever thread the change happened) for every cookie the store gains or
// changes through a reply; returns an id for RemoveCookieListener. The store is compared with
// what it held before after every transfer that used it. A listener must not add or remove
// listeners from inside the call.
int AddCookieListener(std::function<void(const Cookie&)> listener);
void RemoveCookieListener(int id);
// Empties the store (tests).
void ClearCookies();

} // namespace dalmiro
