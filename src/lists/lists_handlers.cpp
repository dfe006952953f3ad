#include "lists/lists_handlers.h"

namespace dalmiro {

void OnMiningListHeaderClicked(AppContext&, const EventArgs&) {}

void OnRegionListHeaderClicked(AppContext&, const EventArgs&) {}

void OnRankListHeaderClicked(AppContext&, const EventArgs&) {}

void OnExportMinedKeywordsMenu(AppContext&, const EventArgs&) {}

void OnExportMinedExcelMenu(AppContext&, const EventArgs&) {}

void OnCopyCitiesMenu(AppContext&, const EventArgs&) {}

void OnImportRankKeywordsMenu(AppContext&, const EventArgs&) {}

void OnExportRankKeywordsMenu(AppContext&, const EventArgs&) {}

void OnExportRankExcelMenu(AppContext&, const EventArgs&) {}

} // namespace dalmiro
