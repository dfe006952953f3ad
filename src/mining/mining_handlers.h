#pragma once
// The mining tab's commands: automatic and fast mining, metrics fetch and the mining list's menu.
#include "app/context.h"

namespace dalmiro {

void OnImportKeywordsClicked(AppContext& context, const EventArgs& args); // 按钮_导入关键词
void OnAutoMineClicked(AppContext& context, const EventArgs& args);       // 按钮_淘词
void OnFastMineClicked(AppContext& context, const EventArgs& args);       // 按钮2
void OnMiningListRightClick(AppContext& context,
                            const EventArgs& args); // 超级列表框2: pops up 直通车选词菜单
void OnFetchDataMenu(AppContext& context, const EventArgs& args); // menu 获取数据
void OnStopFetchMenu(AppContext& context, const EventArgs& args); // menu "停止获取数据  "
void OnClearMiningListMenu(AppContext& context,
                           const EventArgs& args); // menu 清空数据 of MainWindow
void OnCopyMinedKeywordMenu(AppContext& context,
                            const EventArgs& args); // menu 复制关键词 of MainWindow
void OnRemoveContainingMenu(AppContext& context, const EventArgs& args); // menu 去除包含关键词

} // namespace dalmiro
