// Every bound event, fired on the real widget the way a user fires it, reaches the sink with its
// window, source and kind. Driven by the binding table itself, so a new binding is covered too.
#include "app/bindings.h"
#include "gui/picture_box.h"
#include "gui_fixture.h"

#include <QApplication>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include <stdexcept>

namespace dalmiro::test {
namespace {

class EventBindingTest : public GuiFixture {
  protected:
    void SetUp() override {
        ui.OpenWindow(WindowId::Main);
        ui.OpenWindow(WindowId::Analysis);
    }

    // Brings the tab holding a MainWindow control to the front, as a user would.
    void ShowTabOf(WindowId window, std::string_view control) {
        const ControlSpec* spec = FindControl(window, control);
        if (window != WindowId::Main || spec == nullptr || spec->tab < 0)
            return;
        auto* tabs = qobject_cast<QTabWidget*>(ui.ControlWidget(window, spec->parent));
        if (tabs != nullptr)
            tabs->setCurrentIndex(spec->tab);
    }

    QTableWidget* FilledList(WindowId window, std::string_view name, int rows) {
        for (int i = 0; i < rows; ++i) {
            const int row = ui.ListAppendRow(window, name);
            ui.SetListCellText(window, name, row, 0, std::to_string(row + 1));
            ui.SetListCellText(window, name, row, 1, "w" + std::to_string(row));
        }
        return qobject_cast<QTableWidget*>(ui.ControlWidget(window, name));
    }

    // Fires the event the binding names on its widget.
    void Fire(const EventBinding& binding) {
        const WindowId window = binding.window;
        switch (binding.event) {
        case EventKind::Created:
            ui.CloseWindow(window);
            ui.OpenWindow(window);
            return;
        case EventKind::TabChanged: {
            auto* tabs = qobject_cast<QTabWidget*>(ui.ControlWidget(window, binding.source));
            ASSERT_NE(tabs, nullptr);
            events.clear();
            tabs->setCurrentIndex((tabs->currentIndex() + 1) % tabs->count());
            return;
        }
        case EventKind::Clicked: {
            auto* button = qobject_cast<QPushButton*>(ui.ControlWidget(window, binding.source));
            ASSERT_NE(button, nullptr);
            events.clear();
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
        case EventKind::LeftMouseDown: {
            auto* picture = qobject_cast<PictureBox*>(ui.ControlWidget(window, binding.source));
            ASSERT_NE(picture, nullptr);
            events.clear();
            QTest::mousePress(picture, Qt::LeftButton);
            QTest::mouseRelease(picture, Qt::LeftButton);
            return;
        }
        case EventKind::ItemRightClicked: {
            QTableWidget* list = FilledList(window, binding.source, 3);
            ASSERT_NE(list, nullptr);
            events.clear();
            QTest::mouseClick(list->viewport(), Qt::RightButton, {},
                              list->visualItemRect(list->item(1, 1)).center());
            return;
        }
        case EventKind::HeaderClicked: {
            auto* list = qobject_cast<QTableWidget*>(ui.ControlWidget(window, binding.source));
            ASSERT_NE(list, nullptr);
            QHeaderView* header = list->horizontalHeader();
            events.clear();
            QTest::mouseClick(
                header->viewport(), Qt::LeftButton, {},
                QPoint(header->sectionViewportPosition(1) + header->sectionSize(1) / 2,
                       header->height() / 2));
            return;
        }
        case EventKind::DoubleClicked: {
            QTableWidget* list = FilledList(window, binding.source, 3);
            ASSERT_NE(list, nullptr);
            events.clear();
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                               list->visualItemRect(list->item(2, 1)).center());
            return;
        }
        case EventKind::MenuSelected: {
            QAction* action = ui.MenuAction(window, binding.source);
            ASSERT_NE(action, nullptr);
            events.clear();
            action->trigger();
            return;
        }
        }
    }
};

TEST_F(EventBindingTest, EveryBoundEventReachesTheSink) {
    for (const EventBinding& binding : EventBindings()) {
        SCOPED_TRACE(std::string(binding.handlerName));
        ui.OpenWindow(WindowId::Main);
        ui.OpenWindow(WindowId::Analysis);
        ShowTabOf(binding.window, binding.source);
        events.clear();
        Fire(binding);
        bool found = false;
        for (const RecordedEvent& event : events) {
            found = found || (event.window == binding.window && event.source == binding.source &&
                              event.kind == binding.event);
        }
        EXPECT_TRUE(found);
        // Lists empty again for the next binding.
        for (const char* list : {"超级列表框2", "超级列表框4"})
            ui.ListClear(WindowId::Main, list);
        ui.ListClear(WindowId::Analysis, "超级列表框1");
    }
}

TEST_F(EventBindingTest, EventsCarryTheRowColumnAndTab) {
    QTableWidget* list = FilledList(WindowId::Analysis, "超级列表框1", 4);
    ASSERT_NE(list, nullptr);
    events.clear();
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                       list->visualItemRect(list->item(2, 1)).center());
    QHeaderView* header = list->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(3) + 5, header->height() / 2));
    auto* tabs = qobject_cast<QTabWidget*>(ui.ControlWidget(WindowId::Main, "选择夹1"));
    tabs->setCurrentIndex(2);

    auto find = [this](EventKind kind) -> const RecordedEvent* {
        for (const RecordedEvent& event : events) {
            if (event.kind == kind)
                return &event;
        }
        return nullptr;
    };
    const RecordedEvent* doubleClick = find(EventKind::DoubleClicked);
    ASSERT_NE(doubleClick, nullptr);
    EXPECT_EQ(doubleClick->args.row, 2);
    const RecordedEvent* headerClick = find(EventKind::HeaderClicked);
    ASSERT_NE(headerClick, nullptr);
    EXPECT_EQ(headerClick->args.column, 3);
    const RecordedEvent* tabChange = find(EventKind::TabChanged);
    ASSERT_NE(tabChange, nullptr);
    EXPECT_EQ(tabChange->window, WindowId::Main);
    EXPECT_EQ(tabChange->args.row, 2);
}

TEST_F(EventBindingTest, RightClickSelectsTheRowUnderTheCursorFirst) {
    QTableWidget* list = FilledList(WindowId::Main, "超级列表框2", 5);
    ASSERT_NE(list, nullptr);
    ShowTabOf(WindowId::Main, "超级列表框2");
    ASSERT_EQ(ui.ListSelectedRow(WindowId::Main, "超级列表框2"), -1);
    int selectedWhenReported = -2;
    ui.SetEventSink([&](WindowId window, std::string_view, EventKind kind, const EventArgs&) {
        if (kind == EventKind::ItemRightClicked)
            selectedWhenReported = ui.ListSelectedRow(window, "超级列表框2");
    });
    QTest::mouseClick(list->viewport(), Qt::RightButton, {},
                      list->visualItemRect(list->item(3, 1)).center());
    EXPECT_EQ(selectedWhenReported, 3);

    // A right click inside a multi-row selection keeps it, so the menu acts on all of them.
    list->clearSelection();
    list->selectRow(1);
    list->selectionModel()->select(list->model()->index(2, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QTest::mouseClick(list->viewport(), Qt::RightButton, {},
                      list->visualItemRect(list->item(2, 1)).center());
    EXPECT_EQ(ui.ListSelectedRows(WindowId::Main, "超级列表框2"), (std::vector<int>{1, 2}));
}

TEST_F(EventBindingTest, MenuItemWithTrailingSpacesReportsItsFullCaption) {
    QAction* stop = ui.MenuAction(WindowId::Main, "停止获取数据  ");
    ASSERT_NE(stop, nullptr);
    EXPECT_EQ(stop->text(), QStringLiteral("停止获取数据  "));
    events.clear();
    stop->trigger();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].source, "停止获取数据  ");
    // And the same caption without its spaces is no item at all.
    EXPECT_EQ(ui.MenuAction(WindowId::Main, "停止获取数据"), nullptr);
}

TEST_F(EventBindingTest, PopupMenuOpensTheHiddenMenuOfTheRightWindow) {
    ui.PopupMenu(WindowId::Analysis, "菜单");
    QMenu* rankMenu = ui.Menu(WindowId::Analysis, "菜单");
    ASSERT_NE(rankMenu, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return rankMenu->isVisible(); }));
    EXPECT_EQ(QApplication::activePopupWidget(), rankMenu);
    rankMenu->hide();
    ui.PopupMenu(WindowId::Main, "复制");
    QMenu* copyMenu = ui.Menu(WindowId::Main, "复制");
    ASSERT_NE(copyMenu, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return copyMenu->isVisible(); }));
    copyMenu->hide();
    // An unknown caption shows nothing.
    ui.PopupMenu(WindowId::Main, "不存在的菜单");
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(EventBindingTest, FailingHandlerDropsItsEventAndTheNextOneStillArrives) {
    int calls = 0;
    ui.SetEventSink([&](WindowId, std::string_view, EventKind kind, const EventArgs&) {
        if (kind != EventKind::MenuSelected)
            return;
        if (++calls == 1)
            throw std::runtime_error("broken handler");
    });
    QAction* action = ui.MenuAction(WindowId::Analysis, "清空数据");
    ASSERT_NE(action, nullptr);
    action->trigger();
    action->trigger();
    EXPECT_EQ(calls, 2);
    // A window closed by the failing handler's run still goes away afterwards.
    ui.CloseWindow(WindowId::Analysis);
    EXPECT_FALSE(ui.IsWindowOpen(WindowId::Analysis));
}

TEST_F(EventBindingTest, CreatedIsReportedBeforeTheWindowShowsAndOnEveryReopening) {
    bool visibleWhenCreated = true;
    int created = 0;
    ui.SetEventSink(
        [&](WindowId window, std::string_view source, EventKind kind, const EventArgs&) {
            if (kind != EventKind::Created)
                return;
            EXPECT_EQ(window, WindowId::Analysis);
            EXPECT_EQ(source, "AnalysisWindow");
            visibleWhenCreated = ui.IsWindowVisible(window);
            ++created;
        });
    ui.CloseWindow(WindowId::Analysis);
    ui.OpenWindow(WindowId::Analysis);
    EXPECT_FALSE(visibleWhenCreated);
    EXPECT_TRUE(ui.IsWindowVisible(WindowId::Analysis));
    ui.OpenWindow(WindowId::Analysis); // already open: brought forward, not created again
    ui.CloseWindow(WindowId::Analysis);
    ui.OpenWindow(WindowId::Analysis);
    EXPECT_EQ(created, 2);
}

} // namespace
} // namespace dalmiro::test
