#include "mining/mining_handlers.h"

namespace dalmiro {

void OnImportKeywordsClicked(AppContext&, const EventArgs&) {}

void OnAutoMineClicked(AppContext&, const EventArgs&) {}

void OnFastMineClicked(AppContext&, const EventArgs&) {}

void OnMiningListRightClick(AppContext& context, const EventArgs&) {
    context.ui.PopupMenu(WindowId::Main, "直通车选词菜单");
}

void OnFetchDataMenu(AppContext&, const EventArgs&) {}

void OnStopFetchMenu(AppContext&, const EventArgs&) {}

void OnClearMiningListMenu(AppContext&, const EventArgs&) {}

void OnCopyMinedKeywordMenu(AppContext&, const EventArgs&) {}

void OnRemoveContainingMenu(AppContext&, const EventArgs&) {}

} // namespace dalmiro
