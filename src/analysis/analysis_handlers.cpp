#include "analysis/analysis_handlers.h"

namespace dalmiro {

void OnStartQueryMenu(AppContext&, const EventArgs&) {}

void OnRecheckRankMenu(AppContext&, const EventArgs&) {}

void OnStopQueryMenu(AppContext&, const EventArgs&) {}

void OnCopyKeywordMenu(AppContext&, const EventArgs&) {}

void OnClearRankListMenu(AppContext&, const EventArgs&) {}

void OnHelpMenu(AppContext&, const EventArgs&) {}

void OnRankListRightClick(AppContext& context, const EventArgs&) {
    context.ui.PopupMenu(WindowId::Analysis, "菜单");
}

void OnRankListDoubleClick(AppContext&, const EventArgs&) {}

} // namespace dalmiro
