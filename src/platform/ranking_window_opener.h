#pragma once
#include "app/context.h"

namespace dalmiro {

// "获取关键词": with a campaign and a promoted item chosen, writes the run log, shows the
// item's picture and opens the ranking window, whose creation loads the keywords; an already
// open ranking window is brought to the front with its rows loaded anew. Without a choice the
// user is told what to pick and nothing is sent.
void OpenRankingWindow(AppContext& ctx);

} // namespace dalmiro
