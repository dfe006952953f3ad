#pragma once
// The list commands: column sorting, spreadsheet export, keyword files and the clipboard.
#include "app/context.h"

namespace dalmiro {

void OnMiningListHeaderClicked(AppContext& context,
                               const EventArgs& args); // 超级列表框2: column header clicked
void OnRegionListHeaderClicked(AppContext& context,
                               const EventArgs& args); // 超级列表框4: column header clicked
void OnRankListHeaderClicked(
    AppContext& context,
    const EventArgs& args); // 超级列表框1 of AnalysisWindow: column header clicked
void OnExportMinedKeywordsMenu(AppContext& context,
                               const EventArgs& args); // menu 导出关键词 of MainWindow
void OnExportMinedExcelMenu(AppContext& context, const EventArgs& args);   // menu 导出选中Excel
void OnCopyCitiesMenu(AppContext& context, const EventArgs& args);         // menu 复制城市
void OnImportRankKeywordsMenu(AppContext& context, const EventArgs& args); // menu 导入关键词
void OnExportRankKeywordsMenu(AppContext& context,
                              const EventArgs& args); // menu 导出关键词 of AnalysisWindow
void OnExportRankExcelMenu(AppContext& context, const EventArgs& args); // menu 导出选中excel

} // namespace dalmiro
