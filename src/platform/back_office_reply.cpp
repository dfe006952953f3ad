#include "platform/back_office_reply.h"

#include "net/http.h"
#include "platform/notices.h"
#include "platform/platform_texts.h"

namespace dalmiro {

std::optional<Text> FetchBackOfficeList(AppContext& ctx, const std::string& url) {
    const Bytes reply = HttpGet(url);
    if (reply.empty()) {
        TellUser(ctx, platform_texts::kBackOfficeUnreachable, MessageIcon::Warning);
        return std::nullopt;
    }
    if (IsSignInRefusal(reply)) {
        TellSignIn(ctx);
        return std::nullopt;
    }
    return Utf8ToGbk(reply);
}

} // namespace dalmiro
