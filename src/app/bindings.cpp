// The event-binding table of both windows. Menu items are bound by caption within their window
// (both windows have a "复制关键词", "清空数据" and "导出关键词", each with its own handler).
#include "app/bindings.h"

#include "analysis/analysis_handlers.h"
#include "app/app_handlers.h"
#include "lists/lists_handlers.h"
#include "mining/mining_handlers.h"
#include "platform/platform_handlers.h"
#include "region/region_handlers.h"
#include "startup/startup_handlers.h"

namespace dalmiro {
namespace {

constexpr WindowId kMain = WindowId::Main;
constexpr WindowId kAnalysis = WindowId::Analysis;
using enum EventKind;

#define DALMIRO_BIND(window, source, event, handler)                                               \
    { window, source, event, handler, #handler }

// clang-format off
constexpr EventBinding kBindings[] = {
    DALMIRO_BIND(kMain, WindowName(kMain), Created, OnMainWindowCreated),
    DALMIRO_BIND(kMain, "选择夹1", TabChanged, OnTabChanged),
    DALMIRO_BIND(kMain, "按钮_获取推广计划", Clicked, OnGetCampaignsClicked),
    DALMIRO_BIND(kMain, "按钮_获取推广宝贝", Clicked, OnGetPromotedItemsClicked),
    DALMIRO_BIND(kMain, "按钮_获取关键词", Clicked, OnGetKeywordsClicked),
    DALMIRO_BIND(kMain, "图片框2", LeftMouseDown, OnContactPictureClicked),
    DALMIRO_BIND(kMain, "按钮_导入关键词", Clicked, OnImportKeywordsClicked),
    DALMIRO_BIND(kMain, "按钮_淘词", Clicked, OnAutoMineClicked),
    DALMIRO_BIND(kMain, "按钮2", Clicked, OnFastMineClicked),
    DALMIRO_BIND(kMain, "超级列表框2", ItemRightClicked, OnMiningListRightClick),
    DALMIRO_BIND(kMain, "超级列表框2", HeaderClicked, OnMiningListHeaderClicked),
    DALMIRO_BIND(kMain, "按钮_开始处理", Clicked, OnProvinceRankingClicked),
    DALMIRO_BIND(kMain, "按钮1", Clicked, OnCityRankingClicked),
    DALMIRO_BIND(kMain, "超级列表框4", HeaderClicked, OnRegionListHeaderClicked),
    DALMIRO_BIND(kMain, "超级列表框4", ItemRightClicked, OnRegionListRightClick),
    DALMIRO_BIND(kMain, "Dalmiro官网", MenuSelected, OnWebsiteMenu),
    DALMIRO_BIND(kMain, "程序重启", MenuSelected, OnRestartMenu),
    DALMIRO_BIND(kMain, "获取数据", MenuSelected, OnFetchDataMenu),
    DALMIRO_BIND(kMain, "停止获取数据  ", MenuSelected, OnStopFetchMenu),
    DALMIRO_BIND(kMain, "清空数据", MenuSelected, OnClearMiningListMenu),
    DALMIRO_BIND(kMain, "复制关键词", MenuSelected, OnCopyMinedKeywordMenu),
    DALMIRO_BIND(kMain, "导出关键词", MenuSelected, OnExportMinedKeywordsMenu),
    DALMIRO_BIND(kMain, "导出选中Excel", MenuSelected, OnExportMinedExcelMenu),
    DALMIRO_BIND(kMain, "去除包含关键词", MenuSelected, OnRemoveContainingMenu),
    DALMIRO_BIND(kMain, "复制城市", MenuSelected, OnCopyCitiesMenu),

    DALMIRO_BIND(kAnalysis, WindowName(kAnalysis), Created, OnAnalysisWindowCreated),
    DALMIRO_BIND(kAnalysis, "开始查询", MenuSelected, OnStartQueryMenu),
    DALMIRO_BIND(kAnalysis, "重查排名", MenuSelected, OnRecheckRankMenu),
    DALMIRO_BIND(kAnalysis, "停止查询", MenuSelected, OnStopQueryMenu),
    DALMIRO_BIND(kAnalysis, "复制关键词", MenuSelected, OnCopyKeywordMenu),
    DALMIRO_BIND(kAnalysis, "更新出价", MenuSelected, OnUpdateBidMenu),
    DALMIRO_BIND(kAnalysis, "导入关键词", MenuSelected, OnImportRankKeywordsMenu),
    DALMIRO_BIND(kAnalysis, "导出关键词", MenuSelected, OnExportRankKeywordsMenu),
    DALMIRO_BIND(kAnalysis, "导出选中excel", MenuSelected, OnExportRankExcelMenu),
    DALMIRO_BIND(kAnalysis, "清空数据", MenuSelected, OnClearRankListMenu),
    DALMIRO_BIND(kAnalysis, "使用说明", MenuSelected, OnHelpMenu),
    DALMIRO_BIND(kAnalysis, "超级列表框1", ItemRightClicked, OnRankListRightClick),
    DALMIRO_BIND(kAnalysis, "超级列表框1", HeaderClicked, OnRankListHeaderClicked),
    DALMIRO_BIND(kAnalysis, "超级列表框1", DoubleClicked, OnRankListDoubleClick),
};
// clang-format on

#undef DALMIRO_BIND

} // namespace

std::span<const EventBinding> EventBindings() {
    return kBindings;
}

bool DispatchEvent(AppContext& context, WindowId window, std::string_view source, EventKind event,
                   const EventArgs& args) {
    for (const EventBinding& binding : kBindings) {
        if (binding.window == window && binding.event == event && binding.source == source) {
            binding.handler(context, args);
            return true;
        }
    }
    return false;
}

} // namespace dalmiro
