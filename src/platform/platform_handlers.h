#pragma once
// The back-office commands: login token, campaigns, promoted items, keyword list, bid update.
#include "app/context.h"

namespace dalmiro {

void OnTabChanged(AppContext& context, const EventArgs& args); // 选择夹1: current tab changed
void OnGetCampaignsClicked(AppContext& context, const EventArgs& args); // 按钮_获取推广计划
void OnGetPromotedItemsClicked(AppContext& context, const EventArgs& args); // 按钮_获取推广宝贝
void OnGetKeywordsClicked(AppContext& context, const EventArgs& args);    // 按钮_获取关键词
void OnAnalysisWindowCreated(AppContext& context, const EventArgs& args); // AnalysisWindow created
void OnUpdateBidMenu(AppContext& context, const EventArgs& args);         // menu 更新出价

} // namespace dalmiro
