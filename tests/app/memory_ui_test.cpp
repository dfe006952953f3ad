// The in-memory Ui's own promises that handler tests rely on.
#include "support/memory_ui.h"

#include <gtest/gtest.h>

#include <thread>

namespace dalmiro {
namespace {

using test::MemoryUi;

TEST(MemoryUi, QueuedActionsRunAtTheirPumpInOrder) {
    MemoryUi ui;
    std::vector<std::string> ran;
    ui.QueueAfterEvents(3, [&] { ran.push_back("third"); });
    ui.Post([&] { ran.push_back("first"); });
    ui.QueueAfterEvents(3, [&] { ran.push_back("third again"); });
    ui.ProcessPendingEvents();
    EXPECT_EQ(ran, std::vector<std::string>{"first"});
    ui.ProcessPendingEvents();
    EXPECT_EQ(ran.size(), 1u);
    // An action may pump again itself, as a nested long loop does.
    ui.QueueAfterEvents(2, [&] { ran.push_back("nested"); });
    ui.ProcessPendingEvents();
    EXPECT_EQ(ran, (std::vector<std::string>{"first", "third", "third again"}));
    std::thread([&] { ui.ProcessPendingEvents(); }).join(); // other threads run nothing
    EXPECT_EQ(ui.QueuedActionCount(), 1);
    ui.ProcessPendingEvents();
    EXPECT_EQ(ran.back(), "nested");
    EXPECT_EQ(ui.PumpCount(), 4);
}

TEST(MemoryUi, ClosedWindowReadsEmptyAndReopensFresh) {
    MemoryUi ui;
    int created = 0;
    ui.SetEventSink(
        [&](WindowId window, std::string_view source, EventKind event, const EventArgs&) {
            if (window == WindowId::Analysis && source == "AnalysisWindow" &&
                event == EventKind::Created)
                ++created;
        });
    ui.OpenWindow(WindowId::Analysis);
    ui.OpenWindow(WindowId::Analysis); // already open: not created again
    EXPECT_EQ(created, 1);
    ui.ListAppendRow(WindowId::Analysis, "超级列表框1");
    ui.CloseWindow(WindowId::Analysis);
    EXPECT_EQ(ui.ListRowCount(WindowId::Analysis, "超级列表框1"), 0);
    EXPECT_EQ(ui.ListAppendRow(WindowId::Analysis, "超级列表框1"), -1);
    EXPECT_EQ(ui.ListColumnCount(WindowId::Analysis, "超级列表框1"), 0);
    EXPECT_FALSE(ui.Fire(WindowId::Analysis, "超级列表框1", EventKind::DoubleClicked));
    ui.OpenWindow(WindowId::Analysis);
    EXPECT_EQ(created, 2);
    EXPECT_EQ(ui.ListRowCount(WindowId::Analysis, "超级列表框1"), 0);
    EXPECT_EQ(ui.ListColumnCount(WindowId::Analysis, "超级列表框1"), 13);
    // Closing MainWindow ends the program, the ranking window with it.
    ui.CloseWindow(WindowId::Main);
    EXPECT_FALSE(ui.IsWindowOpen(WindowId::Analysis));
    EXPECT_EQ(ui.GetText(WindowId::Main, "编辑框_时延"), "");
}

TEST(MemoryUi, StartsWithTheLayoutsInitialContents) {
    MemoryUi ui;
    EXPECT_EQ(ui.GetText(WindowId::Main, "编辑框_时延"), "2400");
    EXPECT_EQ(ui.GetText(WindowId::Main, "按钮_淘词"), Gbk("自动淘词"));
    EXPECT_EQ(ui.ComboItemText(WindowId::Main, "组合框1", 1), Gbk("二级"));
    EXPECT_EQ(ui.WindowTitle(WindowId::Main),
              Gbk("Dalmiro淘词助手-淘宝直通车关键词排名数据分析专家V1.5---- By QQ800000000"));
    EXPECT_TRUE(ui.IsChecked(WindowId::Main, "单选框1"));
    ui.SetChecked(WindowId::Main, "单选框2", true); // one group
    EXPECT_FALSE(ui.IsChecked(WindowId::Main, "单选框1"));
}

} // namespace
} // namespace dalmiro
