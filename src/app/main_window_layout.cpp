// Every control, list column and menu of MainWindow. Geometry is in pixels relative to the parent:
// the window's client area, the tab page (parent `选择夹1`, page in `tab`), or the frame named as
// parent.
#include "app/layout.h"

// The tables name only the fields a control uses; the others keep their defaults on purpose.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace dalmiro {
namespace {

constexpr int kLoginTab = 0;
constexpr int kPlatformTab = 1;
constexpr int kMiningTab = 2;
constexpr int kRegionTab = 3;

constexpr std::string_view kTabTitles[] = {"登录直通车", "直通车分析", "淘词分析", "地域排行"};
constexpr std::string_view kDepthItems[] = {"一级", "二级"};

// The two hidden work lists of the automatic mining run.
constexpr ColumnSpec kWorkListColumns[] = {{"序", 20}, {"关键词", 50}};

constexpr ColumnSpec kMiningColumns[] = {
    {"序号", 38},   {"关键词", 120}, {"展现数", 60},       {"宝贝数量", 60},   {"点击率", 55},
    {"转化率", 55}, {"出价", 50},    {"倍数| 直通车", 90}, {"倍数| 淘宝", 90}, {"流量价值", 70},
};

constexpr ColumnSpec kRegionColumns[] = {{"序号", 50}, {"城市", 100}, {"热度", 120}};

constexpr std::string_view kTabs = "选择夹1";

// clang-format off
constexpr ControlSpec kControls[] = {
    // On the window itself, outside the tabs.
    {.name = "选择夹1", .kind = ControlKind::TabControl, .geometry = {0, 15, 771, 476},
     .items = kTabTitles},
    {.name = "超级链接框3", .kind = ControlKind::Hyperlink, .geometry = {-3, 1, 763, 16},
     .caption = "Dalmiro淘词助手免费使用"},
    {.name = "超级列表框1", .kind = ControlKind::ListView, .geometry = {880, 16, 112, 328},
     .columns = kWorkListColumns},
    {.name = "超级列表框3", .kind = ControlKind::ListView, .geometry = {912, 8, 80, 328},
     .columns = kWorkListColumns},

    // Tab 1 "登录直通车". The browser is offset inside its frame so that only the sign-in area
    // shows; start-up loads the sign-in page of the back office in use.
    {.name = "分组框2", .kind = ControlKind::GroupBox, .parent = kTabs, .tab = kLoginTab,
     .geometry = {10, 23, 745, 301}},
    {.name = "超文本浏览框1", .kind = ControlKind::BrowserView, .parent = "分组框2",
     .geometry = {-281, -14, 1058, 360}},
    // Start-up appends the maker's web address of the hosts in use and sets it as the link.
    {.name = "超级链接框1", .kind = ControlKind::Hyperlink, .parent = kTabs, .tab = kLoginTab,
     .geometry = {163, 332, 360, 24}, .caption = kWebsiteLinkPrefix},

    // Tab 2 "直通车分析".
    {.name = "图片框3", .kind = ControlKind::PictureBox, .parent = kTabs, .tab = kPlatformTab,
     .geometry = {13, 28, 740, 120}},
    {.name = "透明标签1", .kind = ControlKind::TransparentLabel, .parent = "图片框3",
     .geometry = {10, 11, 384, 40}, .caption = "Dalmiro淘词助手V1.4"},
    {.name = "透明标签2", .kind = ControlKind::TransparentLabel, .parent = "图片框3",
     .geometry = {92, 60, 608, 48}, .caption = "--淘宝直通车关键词排名数据分析专家"},
    {.name = "标签1", .kind = ControlKind::Label, .parent = kTabs, .tab = kPlatformTab,
     .geometry = {13, 158, 56, 15}, .caption = "推广计划："},
    {.name = "组合框_推广计划", .kind = ControlKind::ComboBox, .parent = kTabs,
     .tab = kPlatformTab, .geometry = {72, 156, 240, 20}},
    {.name = "标签2", .kind = ControlKind::Label, .parent = kTabs, .tab = kPlatformTab,
     .geometry = {351, 159, 56, 15}, .caption = "推广宝贝："},
    {.name = "组合框_推广宝贝", .kind = ControlKind::ComboBox, .parent = kTabs,
     .tab = kPlatformTab, .geometry = {412, 157, 240, 20}},
    {.name = "按钮_获取关键词", .kind = ControlKind::Button, .parent = kTabs,
     .tab = kPlatformTab, .geometry = {674, 153, 80, 26}, .caption = "获取关键词"},
    {.name = "分组框1", .kind = ControlKind::GroupBox, .parent = kTabs, .tab = kPlatformTab,
     .geometry = {3, 189, 752, 110}, .caption = "相关信息"},
    {.name = "图片框1", .kind = ControlKind::PictureBox, .parent = kTabs, .tab = kPlatformTab,
     .geometry = {11, 203, 85, 85}},
    {.name = "编辑框1", .kind = ControlKind::EditBox, .parent = kTabs, .tab = kPlatformTab,
     .geometry = {104, 203, 643, 85}, .multiline = true},
    {.name = "按钮_获取推广计划", .kind = ControlKind::Button, .parent = kTabs,
     .tab = kPlatformTab, .geometry = {10, 321, 80, 28}, .caption = "获取推广计划"},
    {.name = "按钮_获取推广宝贝", .kind = ControlKind::Button, .parent = kTabs,
     .tab = kPlatformTab, .geometry = {114, 321, 80, 28}, .caption = "获取推广宝贝"},
    {.name = "进度条1", .kind = ControlKind::ProgressBar, .parent = kTabs, .tab = kPlatformTab,
     .geometry = {226, 326, 441, 16}},
    {.name = "图片框2", .kind = ControlKind::PictureBox, .parent = kTabs, .tab = kPlatformTab,
     .geometry = {689, 325, 64, 24}},

    // Tab 3 "淘词分析".
    {.name = "标签6", .kind = ControlKind::Label, .parent = kTabs, .tab = kMiningTab,
     .geometry = {8, 28, 48, 24}, .caption = "关键词："},
    {.name = "编辑框_关键词", .kind = ControlKind::EditBox, .parent = kTabs, .tab = kMiningTab,
     .geometry = {53, 28, 86, 24}},
    {.name = "标签4", .kind = ControlKind::Label, .parent = kTabs, .tab = kMiningTab,
     .geometry = {146, 28, 53, 24}, .caption = "产品利润："},
    {.name = "编辑框2", .kind = ControlKind::EditBox, .parent = kTabs, .tab = kMiningTab,
     .geometry = {202, 28, 40, 24}, .caption = "0"},
    {.name = "标签5", .kind = ControlKind::Label, .parent = kTabs, .tab = kMiningTab,
     .geometry = {262, 28, 30, 24}, .caption = "时延："},
    {.name = "编辑框_时延", .kind = ControlKind::EditBox, .parent = kTabs, .tab = kMiningTab,
     .geometry = {295, 28, 40, 24}, .caption = "2400"},
    {.name = "按钮_导入关键词", .kind = ControlKind::Button, .parent = kTabs, .tab = kMiningTab,
     .geometry = {346, 28, 73, 24}, .caption = "导入关键词"},
    {.name = "按钮_淘词", .kind = ControlKind::Button, .parent = kTabs, .tab = kMiningTab,
     .geometry = {431, 28, 60, 24}, .caption = "自动淘词"},
    {.name = "按钮2", .kind = ControlKind::Button, .parent = kTabs, .tab = kMiningTab,
     .geometry = {500, 28, 55, 24}, .caption = "极速"},
    // The two radio buttons form one group.
    {.name = "单选框1", .kind = ControlKind::RadioButton, .parent = kTabs, .tab = kMiningTab,
     .geometry = {582, 22, 105, 16}, .caption = "模式一(泛词)", .checked = true},
    {.name = "单选框2", .kind = ControlKind::RadioButton, .parent = kTabs, .tab = kMiningTab,
     .geometry = {582, 40, 110, 16}, .caption = "模式二(长尾词)"},
    {.name = "组合框1", .kind = ControlKind::ComboBox, .parent = kTabs, .tab = kMiningTab,
     .geometry = {694, 35, 65, 20}, .items = kDepthItems},
    {.name = "超级列表框2", .kind = ControlKind::ListView, .parent = kTabs, .tab = kMiningTab,
     .geometry = {8, 60, 755, 280}, .columns = kMiningColumns},
    {.name = "进度条2", .kind = ControlKind::ProgressBar, .parent = kTabs, .tab = kMiningTab,
     .geometry = {6, 340, 757, 16}},
    {.name = "通用对话框1", .kind = ControlKind::FileDialog, .parent = kTabs, .tab = kMiningTab},
    {.name = "通用对话框2", .kind = ControlKind::FileDialog, .parent = kTabs, .tab = kMiningTab},
    {.name = "气球提示框1", .kind = ControlKind::BalloonTip, .parent = kTabs, .tab = kMiningTab},

    // Tab 4 "地域排行".
    {.name = "超级列表框4", .kind = ControlKind::ListView, .parent = kTabs, .tab = kRegionTab,
     .geometry = {11, 36, 301, 165}, .columns = kRegionColumns},
    {.name = "编辑框3", .kind = ControlKind::EditBox, .parent = kTabs, .tab = kRegionTab,
     .geometry = {11, 212, 205, 117}, .multiline = true},
    {.name = "按钮_开始处理", .kind = ControlKind::Button, .parent = kTabs, .tab = kRegionTab,
     .geometry = {227, 220, 80, 32}, .caption = "省份处理"},
    {.name = "按钮1", .kind = ControlKind::Button, .parent = kTabs, .tab = kRegionTab,
     .geometry = {227, 292, 80, 32}, .caption = "城市处理"},
    {.name = "外形框1", .kind = ControlKind::ShapeBox, .parent = kTabs, .tab = kRegionTab,
     .geometry = {375, 25, 384, 104}},
    // Start-up loads the maker's counter page; only a clipped part of it shows.
    {.name = "超文本浏览框2", .kind = ControlKind::BrowserView, .parent = "外形框1",
     .geometry = {-12, -150, 420, 270}},
};
// clang-format on

constexpr MenuSpec kHelpItems[] = {{"Dalmiro官网", {}}, {"程序重启", {}}};
constexpr MenuSpec kExportItems[] = {{"导出关键词", {}}, {"导出选中Excel", {}}};
constexpr MenuSpec kMiningListItems[] = {
    {"获取数据", {}}, {"停止获取数据  ", {}}, // the caption ends with two spaces, shown as they are
    {"清空数据", {}}, {"复制关键词", {}},     {"导出", kExportItems}, {"去除包含关键词", {}},
};
constexpr MenuSpec kRegionListItems[] = {{"复制城市", {}}};

constexpr MenuSpec kMenus[] = {
    {"使用帮助", kHelpItems},
    {"直通车选词菜单", kMiningListItems}, // popup of 超级列表框2
    {"复制", kRegionListItems},           // popup of 超级列表框4
};
constexpr std::string_view kBarMenus[] = {"使用帮助"};

constexpr WindowSpec kMainWindow{
    .id = WindowId::Main,
    .caption = "Dalmiro淘词助手-淘宝直通车关键词排名数据分析专家V1.5---- By QQ800000000",
    .geometry = {50, 50, 769, 428},
    .controls = kControls,
    .menus = kMenus,
    .barMenus = kBarMenus,
};

} // namespace

const WindowSpec& MainWindowLayout() {
    return kMainWindow;
}

} // namespace dalmiro
