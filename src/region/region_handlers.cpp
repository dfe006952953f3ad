#include "region/region_handlers.h"

namespace dalmiro {

void OnProvinceRankingClicked(AppContext&, const EventArgs&) {}

void OnCityRankingClicked(AppContext&, const EventArgs&) {}

void OnRegionListRightClick(AppContext& context, const EventArgs&) {
    context.ui.PopupMenu(WindowId::Main, "复制");
}

} // namespace dalmiro
