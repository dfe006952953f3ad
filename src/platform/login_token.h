#pragma once
#include "app/context.h"

namespace dalmiro {

// Asks the back office for the signed-in user's information and keeps its page token in the
// program state, replacing the previous one; the token becomes empty when the reply has none
// (not signed in, or no reply at all).
void FetchLoginToken(AppContext& ctx);

// The token cut out of a login-information reply (GBK), empty when it holds none.
Text TokenFromLoginInfo(std::string_view replyGbk);

} // namespace dalmiro
