// Both windows as built from the layout tables: every control with its name, kind, parent,
// geometry, caption, columns and accessible texts; every menu item with its caption.
#include "gui/browser_view.h"
#include "gui/hyperlink_label.h"
#include "gui/list_view.h"
#include "gui/picture_box.h"
#include "gui_fixture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace dalmiro {

// Names the window in test listings.
void PrintTo(WindowId window, std::ostream* out) {
    *out << (window == WindowId::Main ? "MainWindow" : "AnalysisWindow");
}

namespace test {
namespace {

bool HasKind(QWidget* widget, const ControlSpec& spec) {
    switch (spec.kind) {
    case ControlKind::TabControl:
        return qobject_cast<QTabWidget*>(widget) != nullptr;
    case ControlKind::Button:
        return qobject_cast<QPushButton*>(widget) != nullptr;
    case ControlKind::EditBox:
        return spec.multiline ? qobject_cast<QPlainTextEdit*>(widget) != nullptr
                              : qobject_cast<QLineEdit*>(widget) != nullptr;
    case ControlKind::ComboBox:
        return qobject_cast<QComboBox*>(widget) != nullptr;
    case ControlKind::Label:
    case ControlKind::TransparentLabel:
        return qobject_cast<QLabel*>(widget) != nullptr;
    case ControlKind::Hyperlink:
        return qobject_cast<HyperlinkLabel*>(widget) != nullptr;
    case ControlKind::PictureBox:
        return qobject_cast<PictureBox*>(widget) != nullptr;
    case ControlKind::GroupBox:
        return qobject_cast<QGroupBox*>(widget) != nullptr;
    case ControlKind::ShapeBox:
        return qobject_cast<QFrame*>(widget) != nullptr;
    case ControlKind::ProgressBar:
        return qobject_cast<QProgressBar*>(widget) != nullptr;
    case ControlKind::RadioButton:
        return qobject_cast<QRadioButton*>(widget) != nullptr;
    case ControlKind::ListView:
        return qobject_cast<QTableWidget*>(widget) != nullptr;
    case ControlKind::BrowserView:
        return qobject_cast<BrowserBox*>(widget) != nullptr;
    case ControlKind::BalloonTip:
    case ControlKind::FileDialog:
        return widget == nullptr;
    }
    return false;
}

// The widget a control must be the child of.
QWidget* ExpectedParent(QtUi& ui, WindowId window, const ControlSpec& spec) {
    if (spec.parent.empty()) {
        auto* main = qobject_cast<QMainWindow*>(ui.WindowWidget(window));
        return main != nullptr ? main->centralWidget() : ui.WindowWidget(window);
    }
    QWidget* parent = ui.ControlWidget(window, spec.parent);
    if (auto* tabs = qobject_cast<QTabWidget*>(parent); tabs != nullptr && spec.tab >= 0)
        return tabs->widget(spec.tab);
    return parent;
}

class WindowLayoutTest : public GuiFixture, public testing::WithParamInterface<WindowId> {
  protected:
    void SetUp() override { ui.OpenWindow(GetParam()); }
};

TEST_P(WindowLayoutTest, WindowHasCaptionAndGeometry) {
    const WindowSpec& spec = LayoutOf(GetParam());
    QWidget* window = ui.WindowWidget(GetParam());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle().toStdString(), spec.caption);
    EXPECT_EQ(window->geometry(), QRect(spec.geometry.left, spec.geometry.top, spec.geometry.width,
                                        spec.geometry.height));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(ui.WindowTitle(GetParam()), Utf8ToGbk(spec.caption));
}

TEST_P(WindowLayoutTest, EveryControlHasItsKindPlaceAndCaption) {
    const WindowId id = GetParam();
    for (const ControlSpec& spec : LayoutOf(id).controls) {
        SCOPED_TRACE(std::string(spec.name));
        QWidget* widget = ui.ControlWidget(id, spec.name);
        EXPECT_TRUE(HasKind(widget, spec));
        if (widget == nullptr)
            continue;
        EXPECT_EQ(widget->objectName().toStdString(), spec.name);
        EXPECT_EQ(widget->parentWidget(), ExpectedParent(ui, id, spec));
        EXPECT_EQ(widget->geometry(), QRect(spec.geometry.left, spec.geometry.top,
                                            spec.geometry.width, spec.geometry.height));
        if (!spec.caption.empty()) {
            EXPECT_EQ(GbkToUtf8(ui.GetText(id, spec.name)), spec.caption);
        }
        // Its control name for UI drivers, and something a screen reader can say.
        EXPECT_EQ(widget->accessibleDescription().toStdString(), spec.name);
        EXPECT_FALSE(widget->accessibleName().isEmpty());
    }
}

TEST_P(WindowLayoutTest, EveryListHasItsColumnsAndWidths) {
    const WindowId id = GetParam();
    for (const ControlSpec& spec : LayoutOf(id).controls) {
        if (spec.kind != ControlKind::ListView)
            continue;
        SCOPED_TRACE(std::string(spec.name));
        ASSERT_EQ(ui.ListColumnCount(id, spec.name), static_cast<int>(spec.columns.size()));
        auto* list = qobject_cast<QTableWidget*>(ui.ControlWidget(id, spec.name));
        ASSERT_NE(list, nullptr);
        for (int c = 0; c < static_cast<int>(spec.columns.size()); ++c) {
            const ColumnSpec& column = spec.columns[static_cast<size_t>(c)];
            EXPECT_EQ(GbkToUtf8(ui.ListColumnTitle(id, spec.name, c)), column.title);
            EXPECT_EQ(ui.ListColumnWidth(id, spec.name, c), column.width);
            EXPECT_EQ(list->horizontalHeader()->isSectionHidden(c), false);
        }
        EXPECT_EQ(list->selectionBehavior(), QAbstractItemView::SelectRows);
    }
}

void ExpectMenuItems(QMenu* menu, std::span<const MenuSpec> items) {
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(items.size()));
    for (size_t i = 0; i < items.size(); ++i) {
        QAction* action = actions[static_cast<qsizetype>(i)];
        EXPECT_EQ(action->text().toStdString(), items[i].caption);
        EXPECT_FALSE(action->isCheckable());
        EXPECT_TRUE(action->isEnabled());
        EXPECT_TRUE(action->shortcut().isEmpty());
        if (!items[i].children.empty()) {
            ASSERT_NE(action->menu(), nullptr) << items[i].caption;
            ExpectMenuItems(action->menu(), items[i].children);
        }
    }
}

TEST_P(WindowLayoutTest, MenusHaveTheirItemsAndOnlyBarMenusShowInTheBar) {
    const WindowId id = GetParam();
    const WindowSpec& spec = LayoutOf(id);
    auto* main = qobject_cast<QMainWindow*>(ui.WindowWidget(id));
    QStringList barTitles;
    if (main != nullptr) {
        for (QAction* action : main->menuBar()->actions())
            barTitles << action->text();
    }
    QStringList expectedBar;
    for (std::string_view bar : spec.barMenus)
        expectedBar << QString::fromUtf8(bar.data(), static_cast<qsizetype>(bar.size()));
    EXPECT_EQ(barTitles, expectedBar);
    for (const MenuSpec& top : spec.menus) {
        SCOPED_TRACE(std::string(top.caption));
        QMenu* menu = ui.Menu(id, top.caption);
        ASSERT_NE(menu, nullptr);
        EXPECT_FALSE(menu->isVisible());
        ExpectMenuItems(menu, top.children);
    }
}

INSTANTIATE_TEST_SUITE_P(BothWindows, WindowLayoutTest,
                         testing::Values(WindowId::Main, WindowId::Analysis),
                         [](const testing::TestParamInfo<WindowId>& info) {
                             return info.param == WindowId::Main ? "Main" : "Analysis";
                         });

using LayoutDetailsTest = GuiFixture;

TEST_F(LayoutDetailsTest, FieldsAreNamedByTheLabelBeforeThem) {
    ui.OpenWindow(WindowId::Main);
    const struct {
        std::string_view control;
        std::string_view name;
    } cases[] = {
        {"组合框_推广计划", "推广计划："},
        {"组合框_推广宝贝", "推广宝贝："},
        {"编辑框_关键词", "关键词："},
        {"编辑框2", "产品利润："},
        {"编辑框_时延", "时延："},
        {"按钮_淘词", "自动淘词"},
        {"编辑框1", "编辑框1"}, // a picture box precedes it: its own name
        {"超级列表框2", "超级列表框2"},
    };
    for (const auto& c : cases) {
        QWidget* widget = ui.ControlWidget(WindowId::Main, c.control);
        ASSERT_NE(widget, nullptr) << c.control;
        EXPECT_EQ(widget->accessibleName().toStdString(), c.name) << c.control;
    }
}

TEST_F(LayoutDetailsTest, InitialStatesAreThoseOfTheLayout) {
    ui.OpenWindow(WindowId::Main);
    EXPECT_TRUE(ui.IsChecked(WindowId::Main, "单选框1"));
    EXPECT_FALSE(ui.IsChecked(WindowId::Main, "单选框2"));
    // The two radio buttons exclude each other.
    ui.SetChecked(WindowId::Main, "单选框2", true);
    EXPECT_FALSE(ui.IsChecked(WindowId::Main, "单选框1"));
    EXPECT_EQ(ui.ComboItemCount(WindowId::Main, "组合框1"), 2);
    EXPECT_EQ(GbkToUtf8(ui.ComboItemText(WindowId::Main, "组合框1", 1)), "二级");
    EXPECT_EQ(ui.ComboSelectedIndex(WindowId::Main, "组合框1"), -1);
    EXPECT_EQ(ui.ComboItemCount(WindowId::Main, "组合框_推广计划"), 0);
    EXPECT_EQ(GbkToUtf8(ui.GetText(WindowId::Main, "编辑框_时延")), "2400");
    EXPECT_EQ(ui.ProgressPosition(WindowId::Main, "进度条1"), 0);
    auto* tabs = qobject_cast<QTabWidget*>(ui.ControlWidget(WindowId::Main, "选择夹1"));
    ASSERT_NE(tabs, nullptr);
    const QStringList titles = {"登录直通车", "直通车分析", "淘词分析", "地域排行"};
    ASSERT_EQ(tabs->count(), titles.size());
    for (int i = 0; i < tabs->count(); ++i)
        EXPECT_EQ(tabs->tabText(i), titles[i]);
}

TEST_F(LayoutDetailsTest, WorkListsLieBeyondTheClientArea) {
    ui.OpenWindow(WindowId::Main);
    auto* main = qobject_cast<QMainWindow*>(ui.WindowWidget(WindowId::Main));
    ASSERT_NE(main, nullptr);
    const QRect client = main->centralWidget()->rect();
    for (std::string_view name : {"超级列表框1", "超级列表框3"}) {
        QWidget* list = ui.ControlWidget(WindowId::Main, name);
        ASSERT_NE(list, nullptr);
        EXPECT_FALSE(client.intersects(list->geometry())) << name;
    }
}

TEST_F(LayoutDetailsTest, SameNamedControlsOfTheTwoWindowsAreDistinct) {
    ui.OpenWindow(WindowId::Main);
    ui.OpenWindow(WindowId::Analysis);
    QWidget* mainList = ui.ControlWidget(WindowId::Main, "超级列表框1");
    QWidget* rankList = ui.ControlWidget(WindowId::Analysis, "超级列表框1");
    ASSERT_NE(mainList, nullptr);
    ASSERT_NE(rankList, nullptr);
    EXPECT_NE(mainList, rankList);
    EXPECT_EQ(ui.ListColumnCount(WindowId::Main, "超级列表框1"), 2);
    EXPECT_EQ(ui.ListColumnCount(WindowId::Analysis, "超级列表框1"), 13);
    const int row = ui.ListAppendRow(WindowId::Analysis, "超级列表框1");
    ui.SetListCellText(WindowId::Analysis, "超级列表框1", row, 1, Gbk("连衣裙"));
    EXPECT_EQ(ui.ListRowCount(WindowId::Main, "超级列表框1"), 0);
    EXPECT_EQ(ui.ListRowCount(WindowId::Analysis, "超级列表框1"), 1);
    EXPECT_NE(ui.MenuAction(WindowId::Main, "复制关键词"),
              ui.MenuAction(WindowId::Analysis, "复制关键词"));
    EXPECT_NE(ui.MenuAction(WindowId::Main, "清空数据"),
              ui.MenuAction(WindowId::Analysis, "清空数据"));
}

TEST_F(LayoutDetailsTest, ZeroWideColumnStillHoldsItsCells) {
    ui.OpenWindow(WindowId::Analysis);
    const int row = ui.ListAppendRow(WindowId::Analysis, "超级列表框1");
    ui.SetListCellText(WindowId::Analysis, "超级列表框1", row, 9, "123456789");
    EXPECT_EQ(ui.ListColumnWidth(WindowId::Analysis, "超级列表框1", 9), 0);
    EXPECT_EQ(ui.ListCellText(WindowId::Analysis, "超级列表框1", row, 9), "123456789");
}

TEST_F(LayoutDetailsTest, BrowserViewsAreClippedByTheirFrames) {
    ui.OpenWindow(WindowId::Main);
    auto* tabs = qobject_cast<QTabWidget*>(ui.ControlWidget(WindowId::Main, "选择夹1"));
    ASSERT_NE(tabs, nullptr);
    const struct {
        std::string_view name;
        int tab;
    } views[] = {{"超文本浏览框1", 0}, {"超文本浏览框2", 3}};
    for (const auto& [name, tab] : views) {
        tabs->setCurrentIndex(tab);
        QWidget* view = ui.ControlWidget(WindowId::Main, name);
        ASSERT_NE(view, nullptr);
        EXPECT_TRUE(view->isVisible()) << name;
        // Part of the view lies outside its frame, and that part is not shown.
        EXPECT_FALSE(view->parentWidget()->rect().contains(view->geometry())) << name;
        EXPECT_LT(view->visibleRegion().boundingRect().width(), view->width()) << name;
    }
    // The view itself comes once its box has been painted, filling the box, on the one
    // off-the-record profile of the program.
    tabs->setCurrentIndex(0);
    auto* box = qobject_cast<BrowserBox*>(ui.ControlWidget(WindowId::Main, "超文本浏览框1"));
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return box->View() != nullptr; }));
    EXPECT_EQ(box->View()->geometry(), box->rect());
    EXPECT_TRUE(box->View()->page()->profile()->isOffTheRecord());
    EXPECT_EQ(box->View()->page()->profile(), ui.BrowserProfile());
}

} // namespace
} // namespace test
} // namespace dalmiro
