#pragma once
// The maker's pages under "/maker/": the announcement page read at start-up, the web site, the
// contact page, the visit-counter page and the online-status picture.
#include "sim_data.h"
#include "sim_reply.h"

#include <optional>

namespace dalmiro::sim {

inline constexpr std::string_view kMakerPrefix = "/maker/";

// The reply for a maker path; nullopt for any other.
std::optional<SimReply> RouteMaker(const SimRequest& request, SimData& data);

} // namespace dalmiro::sim
