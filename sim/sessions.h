#pragma once
// Signed-in sessions of the substitute back office: the session cookie's value maps to the
// account that signed in and the page token the back office issued for it.
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace dalmiro::sim {

inline constexpr std::string_view kSessionCookieName = "sim_session";

struct Session {
    std::string loginId;
    std::string token;
};

class SessionStore {
  public:
    // Opens a session and returns its cookie value. An empty fixedToken means a generated one.
    std::string Open(const std::string& loginId, const std::string& fixedToken);
    void Close(std::string_view id);
    void CloseAll();
    std::optional<Session> Find(std::string_view id) const;

  private:
    mutable std::mutex mutex_;
    std::map<std::string, Session, std::less<>> sessions_;
    unsigned long long opened_ = 0;
};

// The value of the session cookie in a Cookie header ("a=1; sim_session=…"); empty when absent.
std::string SessionIdFromCookieHeader(std::string_view cookieHeader);

} // namespace dalmiro::sim
