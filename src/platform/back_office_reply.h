#pragma once
// Fetching a back-office list: the GET, the conversion to GBK, and what the user is told when
// the reply is a refusal of the session or there is no reply at all.
#include "app/context.h"

#include <optional>

namespace dalmiro {

// The reply of a GET to the back office as GBK text; empty optional (after telling the user)
// when the back office refused the session or could not be reached.
std::optional<Text> FetchBackOfficeList(AppContext& ctx, const std::string& url);

} // namespace dalmiro
