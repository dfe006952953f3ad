#pragma once
// The ranking window's commands: analysis run, re-ranking, stop, copy, clear, help.
#include "app/context.h"

namespace dalmiro {

void OnStartQueryMenu(AppContext& context, const EventArgs& args);  // menu 开始查询
void OnRecheckRankMenu(AppContext& context, const EventArgs& args); // menu 重查排名
void OnStopQueryMenu(AppContext& context, const EventArgs& args);   // menu 停止查询
void OnCopyKeywordMenu(AppContext& context,
                       const EventArgs& args); // menu 复制关键词 of AnalysisWindow
void OnClearRankListMenu(AppContext& context,
                         const EventArgs& args);             // menu 清空数据 of AnalysisWindow
void OnHelpMenu(AppContext& context, const EventArgs& args); // menu 使用说明
void OnRankListRightClick(AppContext& context,
                          const EventArgs& args); // 超级列表框1 of AnalysisWindow: pops up 菜单
void OnRankListDoubleClick(AppContext& context,
                           const EventArgs& args); // 超级列表框1 of AnalysisWindow: double-clicked

} // namespace dalmiro
