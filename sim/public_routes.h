#pragma once
// The public services, which need no sign-in: search suggestions ("/sug", UTF-8 JSONP), the
// search page ("/search", GBK HTML with the item count), item pictures ("/bao/uploaded/…") and
// item pages ("/item.htm?id=").
#include "sim_data.h"
#include "sim_reply.h"

#include <optional>
#include <string>

namespace dalmiro::sim {

inline constexpr std::string_view kPicturePrefix = "/bao/uploaded/";

// The reply for a public path; nullopt for any other.
std::optional<SimReply> RoutePublic(const SimRequest& request, const SimData& data);

// The item count as the search page prints it between its span tags: whole units below 10000,
// otherwise ten-thousands with one decimal (rounded down) followed by 万.
std::string ItemCountText(long long count);

} // namespace dalmiro::sim
