#include "platform/notices.h"

#include "platform/platform_texts.h"

namespace dalmiro {

void TellUser(AppContext& ctx, std::string_view utf8Text, MessageIcon icon) {
    ctx.ui.ShowMessage(Gbk(utf8Text), Gbk(platform_texts::kCaption), MessageButtons::Ok, icon,
                       std::nullopt);
}

void TellSignIn(AppContext& ctx) {
    TellUser(ctx, platform_texts::kSignIn, MessageIcon::Warning);
}

bool IsSignInRefusal(std::string_view reply) {
    // The back office answers with a failure object: code 601 without a signed-in session,
    // 602 for a missing or stale page token. Either way signing in again is the remedy.
    const auto has = [&](std::string_view part) {
        return reply.find(part) != std::string_view::npos;
    };
    return has(R"("success":false)") && (has(R"("code":"601")") || has(R"("code":"602")"));
}

} // namespace dalmiro
