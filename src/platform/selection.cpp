#include "platform/selection.h"

#include "platform/notices.h"
#include "platform/platform_texts.h"

namespace dalmiro {

namespace texts = platform_texts;

std::optional<ChosenCampaign> ChooseCampaign(AppContext& ctx) {
    const int index = ctx.ui.ComboSelectedIndex(WindowId::Main, texts::kCampaignCombo);
    if (index < 0) {
        TellUser(ctx, texts::kPickCampaign);
        return std::nullopt;
    }
    return ChosenCampaign{index, std::to_string(ctx.state.platform.campaignIds.At(index + 1))};
}

std::optional<ChosenAdGroup> ChooseAdGroup(AppContext& ctx) {
    auto campaign = ChooseCampaign(ctx);
    if (!campaign)
        return std::nullopt;
    const int index = ctx.ui.ComboSelectedIndex(WindowId::Main, texts::kItemCombo);
    if (index < 0) {
        TellUser(ctx, texts::kPickItem);
        return std::nullopt;
    }
    return ChosenAdGroup{std::move(*campaign), index, ctx.state.platform.adGroupIds.At(index + 1)};
}

} // namespace dalmiro
