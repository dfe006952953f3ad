#pragma once
#include "app/context.h"

namespace dalmiro {

// "获取推广计划": empties the campaign combo box and loads the campaigns again.
void ReloadCampaigns(AppContext& ctx);

// Inserts the back office's campaigns into the campaign combo box in reply order and writes
// their ids into the campaign table from entry 1 upward (entries above keep their values).
void LoadCampaigns(AppContext& ctx);

} // namespace dalmiro
