#pragma once
// The back office's sign-in page ("/", shown by the browser view at "/#!/login"), the form's
// target "/login.htm" and "/logout.htm". Signing in sets the HttpOnly session cookie and sends
// the browser back to the sign-in page, which then shows who is signed in.
#include "sessions.h"
#include "sim_data.h"
#include "sim_reply.h"

#include <optional>

namespace dalmiro::sim {

inline constexpr std::string_view kSignInPath = "/login.htm";
inline constexpr std::string_view kSignOutPath = "/logout.htm";
inline constexpr std::string_view kSignInPageAddress = "/#!/login";

// The reply for one of the three paths; nullopt for any other.
std::optional<SimReply> RouteSignIn(const SimRequest& request, SimData& data,
                                    SessionStore& sessions);

// "sim_session=<id>; Path=/; HttpOnly"
std::string SessionCookieHeader(const std::string& sessionId);

} // namespace dalmiro::sim
