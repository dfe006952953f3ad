#pragma once
// The back office's data paths: login information, campaigns, ad groups, keyword lists, bid
// updates, the ranking look-up, market analysis and the two related-word tools.
//
// Refusals: every one of these paths answers a request without a valid session cookie with
// HTTP 200 and the JSON reply kNotSignedInReply, as the real back office's AJAX paths do; the
// POST paths also answer a missing or wrong token field with kBadTokenReply. Nothing is changed
// by a refused request.
#include "sessions.h"
#include "sim_data.h"
#include "sim_reply.h"

#include <optional>
#include <string_view>

namespace dalmiro::sim {

inline constexpr std::string_view kNotSignedInReply =
    R"({"success":false,"code":"601","msg":"未登录"})";
inline constexpr std::string_view kBadTokenReply =
    R"({"success":false,"code":"602","msg":"token无效"})";
inline constexpr std::string_view kWrongMethodReply =
    R"({"success":false,"code":"405","msg":"请求方式错误"})";

// The reply for a back-office data path; nullopt when the path is none of them.
std::optional<SimReply> RouteBackOffice(const SimRequest& request, SimData& data,
                                        const SessionStore& sessions);

} // namespace dalmiro::sim
