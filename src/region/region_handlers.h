#pragma once
// The regional ranking: province and city counts of pasted text.
#include "app/context.h"

namespace dalmiro {

void OnProvinceRankingClicked(AppContext& context, const EventArgs& args); // 按钮_开始处理
void OnCityRankingClicked(AppContext& context, const EventArgs& args);     // 按钮1
void OnRegionListRightClick(AppContext& context,
                            const EventArgs& args); // 超级列表框4: pops up 复制

} // namespace dalmiro
