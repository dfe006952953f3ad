#include "sessions.h"

#include "sim_text.h"

#include <cstdio>
#include <random>

namespace dalmiro::sim {
namespace {

std::string Hex(std::uint64_t value) {
    char buf[20];
    std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(value));
    return buf;
}

} // namespace

std::string SessionStore::Open(const std::string& loginId, const std::string& fixedToken) {
    std::random_device random;
    std::lock_guard lock(mutex_);
    ++opened_;
    // Unguessable enough for a local stand-in, and distinct for every session.
    std::uint64_t high = (static_cast<std::uint64_t>(random()) << 32) ^ random();
    std::string id = Hex(high) + Hex(StableHash(std::to_string(opened_) + "|" + Hex(high)));
    Session session;
    session.loginId = loginId;
    session.token = fixedToken.empty() ? Hex(StableHash("token|" + id)).substr(0, 12) : fixedToken;
    sessions_[id] = session;
    return id;
}

void SessionStore::Close(std::string_view id) {
    std::lock_guard lock(mutex_);
    auto it = sessions_.find(id);
    if (it != sessions_.end()) {
        sessions_.erase(it);
    }
}

void SessionStore::CloseAll() {
    std::lock_guard lock(mutex_);
    sessions_.clear();
}

std::optional<Session> SessionStore::Find(std::string_view id) const {
    if (id.empty()) {
        return std::nullopt;
    }
    std::lock_guard lock(mutex_);
    auto it = sessions_.find(id);
    if (it == sessions_.end()) {
        return std::nullopt;
    }
    return it->second;
}

std::string SessionIdFromCookieHeader(std::string_view cookieHeader) {
    std::size_t pos = 0;
    while (pos < cookieHeader.size()) {
        std::size_t end = cookieHeader.find(';', pos);
        if (end == std::string_view::npos) {
            end = cookieHeader.size();
        }
        std::string_view part = cookieHeader.substr(pos, end - pos);
        while (!part.empty() && part.front() == ' ') {
            part.remove_prefix(1);
        }
        std::size_t eq = part.find('=');
        if (eq != std::string_view::npos && part.substr(0, eq) == kSessionCookieName) {
            std::string_view value = part.substr(eq + 1);
            while (!value.empty() && value.back() == ' ') {
                value.remove_suffix(1);
            }
            return std::string(value);
        }
        pos = end + 1;
    }
    return {};
}

} // namespace dalmiro::sim
