#include "platform/login_token.h"

#include "net/http.h"
#include "platform/platform_urls.h"
#include "platform/reply_patterns.h"
#include "util/gbk_find.h"

namespace dalmiro {

Text TokenFromLoginInfo(std::string_view replyGbk) {
    // The token value runs from its opening quote to the quote before `,"operName`; when that
    // field does not follow, to the end of the reply.
    int position = 1;
    return ExtractBetween(replyGbk, position, patterns::kTokenLeft, patterns::kTokenLeft,
                          patterns::kTokenRight, true, false);
}

void FetchLoginToken(AppContext& ctx) {
    const Text reply = Utf8ToGbk(HttpGet(LoginInfoUrl(ctx.hosts)));
    ctx.state.platform.loginToken = TokenFromLoginInfo(reply);
}

} // namespace dalmiro
