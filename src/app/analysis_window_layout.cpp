// Every control, list column and menu of AnalysisWindow, the keyword ranking window. It has no
// menu bar: its one top-level menu is the popup of its list.
#include "app/layout.h"

// The tables name only the fields a control uses; the others keep their defaults on purpose.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace dalmiro {
namespace {

// Column 9 is zero pixels wide yet holds the keyword id the bid update reads.
constexpr ColumnSpec kRankColumns[] = {
    {"序号", 42},     {"关键词", 130},      {"当前出价", 60},       {"排名", 45},
    {"搜索次数", 60}, {"展现数|增量", 100}, {"点击率|增长率", 100}, {"转化率|增长率", 100},
    {"平均出价", 60}, {"keywordID", 0},     {"倍数", 45},           {"类型", 50},
    {"推广力", 50},
};

// clang-format off
constexpr ControlSpec kControls[] = {
    {.name = "超级列表框1", .kind = ControlKind::ListView, .geometry = {8, 8, 864, 344},
     .columns = kRankColumns},
    {.name = "通用对话框1", .kind = ControlKind::FileDialog},
    {.name = "通用对话框2", .kind = ControlKind::FileDialog},
    {.name = "气球提示框1", .kind = ControlKind::BalloonTip},
};
// clang-format on

constexpr MenuSpec kImportExportItems[] = {
    {"导入关键词", {}},
    {"导出关键词", {}},
    {"导出选中excel", {}},
};
constexpr MenuSpec kRankListItems[] = {
    {"开始查询", {}},   {"重查排名", {}}, {"停止查询", {}},
    {"复制关键词", {}}, {"更新出价", {}}, {"导入导出", kImportExportItems},
    {"清空数据", {}},   {"使用说明", {}},
};
constexpr MenuSpec kMenus[] = {{"菜单", kRankListItems}}; // popup of 超级列表框1

constexpr WindowSpec kAnalysisWindow{
    .id = WindowId::Analysis,
    .caption = "直通车关键词排名数据分析",
    .geometry = {50, 10, 882, 412},
    .controls = kControls,
    .menus = kMenus,
    .barMenus = {},
};

} // namespace

const WindowSpec& AnalysisWindowLayout() {
    return kAnalysisWindow;
}

} // namespace dalmiro
