#pragma once
// Dispatches a request to the sign-in pages, the back office, the public services or the maker's
// pages; anything else is a 404 page.
#include "sessions.h"
#include "sim_data.h"
#include "sim_reply.h"

namespace dalmiro::sim {

SimReply Route(const SimRequest& request, SimData& data, SessionStore& sessions);

} // namespace dalmiro::sim
