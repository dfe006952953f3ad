// The windows as the handlers see them: every binding reaches something that exists, the columns
// are as the lists' rows expect, and the two windows' same-named controls stay apart.
#include "app/bindings.h"
#include "app/layout.h"
#include "support/app_harness.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace dalmiro {
namespace {

using test::AppHarness;

TEST(EventBindings, EverySourceExistsAndIsBoundOnce) {
    std::set<std::tuple<WindowId, std::string_view, EventKind>> seen;
    for (const EventBinding& binding : EventBindings()) {
        SCOPED_TRACE(std::string(binding.handlerName));
        EXPECT_TRUE(seen.emplace(binding.window, binding.source, binding.event).second)
            << "bound twice";
        switch (binding.event) {
        case EventKind::Created:
            EXPECT_EQ(binding.source, WindowName(binding.window));
            break;
        case EventKind::MenuSelected: {
            // A command item: a menu with children (a submenu or a top-level menu) runs nothing.
            const MenuSpec* menu = FindMenu(binding.window, binding.source);
            ASSERT_NE(menu, nullptr);
            EXPECT_TRUE(menu->children.empty());
            break;
        }
        case EventKind::ItemRightClicked:
        case EventKind::HeaderClicked:
        case EventKind::DoubleClicked: {
            const ControlSpec* control = FindControl(binding.window, binding.source);
            ASSERT_NE(control, nullptr);
            EXPECT_EQ(control->kind, ControlKind::ListView);
            break;
        }
        default:
            EXPECT_NE(FindControl(binding.window, binding.source), nullptr);
        }
    }
    EXPECT_EQ(seen.size(), 39u); // 25 rows of MainWindow, 14 of AnalysisWindow
}

TEST(EventBindings, MenuCaptionsMatchExactlyWithinTheirWindow) {
    AppHarness app;
    struct Case {
        WindowId window;
        std::string_view caption;
        bool bound;
    };
    const Case cases[] = {
        {WindowId::Main, "停止获取数据  ", true}, // its trailing spaces belong to the caption
        {WindowId::Main, "停止获取数据", false},  {WindowId::Main, "导出选中Excel", true},
        {WindowId::Main, "导出选中excel", false}, {WindowId::Analysis, "导出选中excel", true},
        {WindowId::Analysis, "复制城市", false},  {WindowId::Main, "导出", false}, // a submenu
        {WindowId::Main, "使用帮助", false}, // the bar menu itself
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DispatchEvent(app.context, c.window, c.caption, EventKind::MenuSelected), c.bound)
            << c.caption;
    }
}

TEST(EventBindings, SameCaptionRunsTheHandlerOfItsWindow) {
    struct Case {
        WindowId window;
        std::string_view caption;
        std::string_view handler;
    };
    const Case cases[] = {
        {WindowId::Main, "复制关键词", "OnCopyMinedKeywordMenu"},
        {WindowId::Analysis, "复制关键词", "OnCopyKeywordMenu"},
        {WindowId::Main, "清空数据", "OnClearMiningListMenu"},
        {WindowId::Analysis, "清空数据", "OnClearRankListMenu"},
        {WindowId::Main, "导出关键词", "OnExportMinedKeywordsMenu"},
        {WindowId::Analysis, "导出关键词", "OnExportRankKeywordsMenu"},
    };
    for (const Case& c : cases) {
        std::string_view found;
        for (const EventBinding& binding : EventBindings()) {
            if (binding.window == c.window && binding.source == c.caption)
                found = binding.handlerName;
        }
        EXPECT_EQ(found, c.handler) << c.caption;
    }
}

TEST(Menus, OnlyTheHelpMenuIsInAMenuBar) {
    EXPECT_TRUE(IsPopupMenu(WindowId::Main, "直通车选词菜单"));
    EXPECT_TRUE(IsPopupMenu(WindowId::Main, "复制"));
    EXPECT_FALSE(IsPopupMenu(WindowId::Main, "使用帮助"));
    EXPECT_TRUE(IsPopupMenu(WindowId::Analysis, "菜单"));
    EXPECT_TRUE(AnalysisWindowLayout().barMenus.empty());
    ASSERT_EQ(MainWindowLayout().barMenus.size(), 1u);
    EXPECT_EQ(MainWindowLayout().barMenus[0], "使用帮助");
}

TEST(RightClick, PopsUpTheListsMenuWithoutASelection) {
    struct Case {
        WindowId window;
        std::string_view list;
        std::string_view menu;
    };
    const Case cases[] = {
        {WindowId::Main, "超级列表框2", "直通车选词菜单"},
        {WindowId::Main, "超级列表框4", "复制"},
        {WindowId::Analysis, "超级列表框1", "菜单"},
    };
    for (const Case& c : cases) {
        AppHarness app;
        app.ui.OpenWindow(WindowId::Analysis);
        ASSERT_EQ(app.ui.ListSelectedRow(c.window, c.list), -1);
        EXPECT_TRUE(app.ui.Fire(c.window, c.list, EventKind::ItemRightClicked));
        const auto popups = app.ui.Popups();
        ASSERT_EQ(popups.size(), 1u) << c.list;
        EXPECT_EQ(popups[0].window, c.window);
        EXPECT_EQ(popups[0].menu, c.menu);
    }
}

TEST(Columns, ListsCarryTheirTitlesAndWidths) {
    struct Case {
        WindowId window;
        std::string_view list;
        int column;
        std::string_view title;
        int width;
    };
    const Case cases[] = {
        {WindowId::Analysis, "超级列表框1", 0, "序号", 42},
        {WindowId::Analysis, "超级列表框1", 5, "展现数|增量", 100},
        {WindowId::Analysis, "超级列表框1", 9, "keywordID", 0}, // hidden, yet present
        {WindowId::Analysis, "超级列表框1", 12, "推广力", 50},
        {WindowId::Main, "超级列表框2", 7, "倍数| 直通车", 90},
        {WindowId::Main, "超级列表框2", 9, "流量价值", 70},
        {WindowId::Main, "超级列表框4", 2, "热度", 120},
        {WindowId::Main, "超级列表框1", 1, "关键词", 50},
        {WindowId::Main, "超级列表框3", 0, "序", 20},
    };
    AppHarness app;
    app.ui.OpenWindow(WindowId::Analysis);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.list) + " column " + std::to_string(c.column));
        EXPECT_EQ(app.ui.ListColumnTitle(c.window, c.list, c.column), Gbk(c.title));
        EXPECT_EQ(app.ui.ListColumnWidth(c.window, c.list, c.column), c.width);
    }
    EXPECT_EQ(app.ui.ListColumnCount(WindowId::Analysis, "超级列表框1"), 13);
    EXPECT_EQ(app.ui.ListColumnCount(WindowId::Main, "超级列表框2"), 10);
    EXPECT_EQ(app.ui.ListColumnCount(WindowId::Main, "超级列表框4"), 3);
}

TEST(Windows, SameNamedControlsOfTheTwoWindowsAreDistinct) {
    AppHarness app;
    app.ui.OpenWindow(WindowId::Analysis);
    const Text keyword = Gbk("连衣裙");
    app.ui.AddListRow(WindowId::Main, "超级列表框1", {"1", keyword});
    EXPECT_EQ(app.ui.ListRowCount(WindowId::Analysis, "超级列表框1"), 0);
    app.ui.AddListRow(WindowId::Analysis, "超级列表框1", {"1", Gbk("外套")});
    EXPECT_EQ(app.ui.ListCellText(WindowId::Main, "超级列表框1", 0, 1), keyword);
    EXPECT_EQ(app.ui.ListColumnCount(WindowId::Main, "超级列表框1"), 2);
    EXPECT_EQ(app.ui.ListColumnCount(WindowId::Analysis, "超级列表框1"), 13);
    for (std::string_view name : {"超级列表框1", "通用对话框1", "通用对话框2", "气球提示框1"}) {
        EXPECT_NE(FindControl(WindowId::Main, name), nullptr) << name;
        EXPECT_NE(FindControl(WindowId::Analysis, name), nullptr) << name;
        EXPECT_NE(FindControl(WindowId::Main, name), FindControl(WindowId::Analysis, name));
    }
}

TEST(Windows, ControlsOnFramesNameAnExistingParent) {
    for (WindowId window : {WindowId::Main, WindowId::Analysis}) {
        for (const ControlSpec& control : LayoutOf(window).controls) {
            if (control.parent.empty())
                continue;
            const ControlSpec* parent = FindControl(window, control.parent);
            ASSERT_NE(parent, nullptr) << control.name;
            if (parent->kind == ControlKind::TabControl) {
                EXPECT_GE(control.tab, 0) << control.name;
                EXPECT_LT(control.tab, static_cast<int>(parent->items.size())) << control.name;
            } else {
                EXPECT_EQ(control.tab, -1) << control.name;
            }
        }
    }
}

} // namespace
} // namespace dalmiro
