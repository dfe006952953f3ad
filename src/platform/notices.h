#pragma once
// What the back-office commands tell the user: one short line in a message box captioned
// "信息：", and the one line that asks for signing in when the back office refuses the session.
#include "app/context.h"

#include <string_view>

namespace dalmiro {

// Shows one of the fixed texts (a UTF-8 literal) in a message box without owner window.
void TellUser(AppContext& ctx, std::string_view utf8Text,
              MessageIcon icon = MessageIcon::Information);

// Asks the user to sign in on the first tab and switch tabs afterwards (which fetches the token).
void TellSignIn(AppContext& ctx);

// True when a back-office reply is the refusal it gives a request without a valid session or
// token, as opposed to a list that is merely empty.
bool IsSignInRefusal(std::string_view reply);

} // namespace dalmiro
