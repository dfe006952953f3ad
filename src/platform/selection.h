#pragma once
// The campaign and promoted item chosen in the two combo boxes of the second tab, turned into the
// ids the back office wants. When a choice is missing the user is told what to pick and the
// result is empty, so the command sends nothing.
#include "app/context.h"

#include <optional>
#include <string>

namespace dalmiro {

struct ChosenCampaign {
    int index = -1;         // selected combo item
    std::string campaignId; // decimal text, as sent to the back office
};

struct ChosenAdGroup {
    ChosenCampaign campaign;
    int index = -1; // selected promoted-item combo item
    Text adGroupId; // as the back office spelled it
};

std::optional<ChosenCampaign> ChooseCampaign(AppContext& ctx);
// Checks the campaign first, then the promoted item.
std::optional<ChosenAdGroup> ChooseAdGroup(AppContext& ctx);

} // namespace dalmiro
