// The control operations on the real widgets: texts in GBK, combo boxes, lists, progress bars,
// pictures, links, closed windows and calls from worker threads.
#include "gui/alert_sound.h"
#include "gui/dialogs.h"
#include "gui/picture_box.h"
#include "gui_fixture.h"

#include <QApplication>
#include <QBuffer>
#include <QFileDialog>
#include <QImage>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include <atomic>
#include <thread>

namespace dalmiro::test {
namespace {

constexpr WindowId kMain = WindowId::Main;
constexpr WindowId kRank = WindowId::Analysis;

Bytes PngBytes(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

using QtUiOpsTest = GuiFixture;

TEST_F(QtUiOpsTest, TextsCrossTheBoundaryAsGbk) {
    ui.OpenWindow(kMain);
    const Text keyword = Gbk("连衣裙 夏季€");
    ui.SetText(kMain, "编辑框_关键词", keyword);
    EXPECT_EQ(ui.GetText(kMain, "编辑框_关键词"), keyword);
    auto* edit = qobject_cast<QLineEdit*>(ui.ControlWidget(kMain, "编辑框_关键词"));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), QStringLiteral("连衣裙 夏季€"));
    // A multi-line box keeps CR LF line ends in the program's text.
    ui.SetText(kMain, "编辑框3", Gbk("北京\r\n上海\r\n"));
    auto* lines = qobject_cast<QPlainTextEdit*>(ui.ControlWidget(kMain, "编辑框3"));
    ASSERT_NE(lines, nullptr);
    EXPECT_EQ(lines->toPlainText(), QStringLiteral("北京\n上海\n"));
    EXPECT_EQ(ui.GetText(kMain, "编辑框3"), Gbk("北京\r\n上海\r\n"));
    // A caption change is what a screen reader says from then on.
    ui.SetText(kMain, "按钮_淘词", Gbk("停止"));
    EXPECT_EQ(ui.ControlWidget(kMain, "按钮_淘词")->accessibleName(), QStringLiteral("停止"));
}

TEST_F(QtUiOpsTest, HyperlinkOpensItsCurrentAddressWhenClicked) {
    ui.OpenWindow(kMain);
    ui.SetText(kMain, "超级链接框3", Gbk("新版<b>公告</b>"));
    ui.SetLink(kMain, "超级链接框3", "http://example.test/notice");
    EXPECT_EQ(GbkToUtf8(ui.GetText(kMain, "超级链接框3")), "新版<b>公告</b>");
    EXPECT_EQ(ui.GetLink(kMain, "超级链接框3"), "http://example.test/notice");
    auto* label = qobject_cast<QLabel*>(ui.ControlWidget(kMain, "超级链接框3"));
    ASSERT_NE(label, nullptr);
    emit label->linkActivated(QStringLiteral("link"));
    EXPECT_EQ(opened, (std::vector<std::string>{"http://example.test/notice"}));
    // An empty link opens nothing.
    ui.SetLink(kMain, "超级链接框3", "");
    emit label->linkActivated(QStringLiteral("link"));
    EXPECT_EQ(opened.size(), 1u);
}

TEST_F(QtUiOpsTest, ComboInsertionNeverSelects) {
    ui.OpenWindow(kMain);
    const char* combo = "组合框_推广计划";
    ui.ComboInsertItem(kMain, combo, 0, Gbk("计划B"));
    ui.ComboInsertItem(kMain, combo, 0, Gbk("计划A"));
    ui.ComboInsertItem(kMain, combo, 99, Gbk("计划C")); // beyond the end: appended
    EXPECT_EQ(ui.ComboSelectedIndex(kMain, combo), -1);
    ASSERT_EQ(ui.ComboItemCount(kMain, combo), 3);
    EXPECT_EQ(GbkToUtf8(ui.ComboItemText(kMain, combo, 0)), "计划A");
    EXPECT_EQ(GbkToUtf8(ui.ComboItemText(kMain, combo, 2)), "计划C");
    EXPECT_EQ(ui.ComboItemText(kMain, combo, 3), "");
    ui.SetComboSelectedIndex(kMain, combo, 1);
    EXPECT_EQ(ui.ComboSelectedIndex(kMain, combo), 1);
    ui.ComboInsertItem(kMain, combo, 0, Gbk("计划0"));
    EXPECT_EQ(ui.ComboSelectedIndex(kMain, combo), 2); // the same item stays selected
    ui.SetComboSelectedIndex(kMain, combo, 7);
    EXPECT_EQ(ui.ComboSelectedIndex(kMain, combo), -1);
    ui.ComboClear(kMain, combo);
    EXPECT_EQ(ui.ComboItemCount(kMain, combo), 0);
}

TEST_F(QtUiOpsTest, ListRowsAndCellsStayInsideTheList) {
    ui.OpenWindow(kRank);
    const char* list = "超级列表框1";
    EXPECT_EQ(ui.ListAppendRow(kRank, list), 0);
    EXPECT_EQ(ui.ListAppendRow(kRank, list), 1);
    ui.SetListCellText(kRank, list, 1, 12, Gbk("强"));
    ui.SetListCellText(kRank, list, 2, 0, "x");  // no such row
    ui.SetListCellText(kRank, list, 0, 13, "x"); // no such column
    ui.SetListCellText(kRank, list, -1, 0, "x");
    EXPECT_EQ(ui.ListRowCount(kRank, list), 2);
    EXPECT_EQ(ui.ListCellText(kRank, list, 1, 12), Gbk("强"));
    EXPECT_EQ(ui.ListCellText(kRank, list, 0, 12), "");
    EXPECT_EQ(ui.ListCellText(kRank, list, 5, 0), "");
    EXPECT_EQ(ui.ListColumnTitle(kRank, list, 13), "");
    EXPECT_EQ(ui.ListColumnWidth(kRank, list, -1), 0);

    ui.SetListSelectedRow(kRank, list, 1);
    EXPECT_EQ(ui.ListSelectedRow(kRank, list), 1);
    ui.ListDeleteRow(kRank, list, 0);
    ui.ListDeleteRow(kRank, list, 9);
    EXPECT_EQ(ui.ListRowCount(kRank, list), 1);
    EXPECT_EQ(ui.ListCellText(kRank, list, 0, 12), Gbk("强"));
    EXPECT_EQ(ui.ListSelectedRow(kRank, list), 0);
    ui.SetListSelectedRow(kRank, list, -1);
    EXPECT_EQ(ui.ListSelectedRow(kRank, list), -1);
    ui.ListClear(kRank, list);
    EXPECT_EQ(ui.ListRowCount(kRank, list), 0);
    EXPECT_EQ(ui.ListColumnCount(kRank, list), 13); // clearing keeps the columns
}

TEST_F(QtUiOpsTest, ProgressPositionIsHeldInsideTheRange) {
    ui.OpenWindow(kMain);
    const struct {
        int maximum;
        int position;
        int expected;
    } cases[] = {{10, 4, 4}, {10, 15, 10}, {10, -3, 0}, {0, 5, 0}, {250, 250, 250}};
    for (const auto& c : cases) {
        ui.SetProgressMaximum(kMain, "进度条2", c.maximum);
        ui.SetProgressPosition(kMain, "进度条2", c.position);
        EXPECT_EQ(ui.ProgressMaximum(kMain, "进度条2"), c.maximum);
        EXPECT_EQ(ui.ProgressPosition(kMain, "进度条2"), c.expected)
            << c.maximum << " " << c.position;
    }
}

TEST_F(QtUiOpsTest, PictureShowsImageBytesAndClearsOnBadOnes) {
    ui.OpenWindow(kMain);
    auto* picture = qobject_cast<PictureBox*>(ui.ControlWidget(kMain, "图片框1"));
    ASSERT_NE(picture, nullptr);
    ui.SetPicture(kMain, "图片框1", PngBytes(300, 200));
    EXPECT_TRUE(picture->HasImage());
    ui.SetPictureScaled(kMain, "图片框1", true);
    EXPECT_TRUE(picture->hasScaledContents());
    ui.SetPicture(kMain, "图片框1", "GIF89a broken");
    EXPECT_FALSE(picture->HasImage());
    ui.SetPicture(kMain, "图片框1", PngBytes(4, 4));
    ui.SetPicture(kMain, "图片框1", "");
    EXPECT_FALSE(picture->HasImage());
}

TEST_F(QtUiOpsTest, ClosedWindowReadsEmptyAndIgnoresWrites) {
    ui.OpenWindow(kRank);
    const int row = ui.ListAppendRow(kRank, "超级列表框1");
    ui.SetListCellText(kRank, "超级列表框1", row, 1, "kw");
    std::vector<WindowId> closed;
    ui.SetWindowClosedHandler([&](WindowId window) { closed.push_back(window); });
    // Closed by the user, as through the title bar.
    ASSERT_TRUE(ui.WindowWidget(kRank)->close());
    EXPECT_EQ(closed, (std::vector<WindowId>{kRank}));
    EXPECT_FALSE(ui.IsWindowOpen(kRank));
    EXPECT_EQ(ui.ListRowCount(kRank, "超级列表框1"), 0);
    EXPECT_EQ(ui.ListCellText(kRank, "超级列表框1", 0, 1), "");
    EXPECT_EQ(ui.ListSelectedRow(kRank, "超级列表框1"), -1);
    EXPECT_EQ(ui.ListAppendRow(kRank, "超级列表框1"), -1);
    EXPECT_EQ(ui.ListColumnCount(kRank, "超级列表框1"), 0);
    EXPECT_EQ(ui.WindowTitle(kRank), "");
    EXPECT_FALSE(ui.IsWindowVisible(kRank));
    ui.SetListCellText(kRank, "超级列表框1", 0, 1, "ignored");
    ui.PopupMenu(kRank, "菜单");
    // Opening it again builds it afresh: an empty list.
    ui.OpenWindow(kRank);
    EXPECT_EQ(ui.ListRowCount(kRank, "超级列表框1"), 0);
    EXPECT_EQ(ui.ListColumnCount(kRank, "超级列表框1"), 13);
}

TEST_F(QtUiOpsTest, ClosingMainWindowClosesTheRankingWindowToo) {
    ui.OpenWindow(kMain);
    ui.OpenWindow(kRank);
    std::vector<WindowId> closed;
    ui.SetWindowClosedHandler([&](WindowId window) { closed.push_back(window); });
    ui.CloseWindow(kMain);
    EXPECT_FALSE(ui.IsWindowOpen(kMain));
    EXPECT_FALSE(ui.IsWindowOpen(kRank));
    EXPECT_EQ(closed, (std::vector<WindowId>{kRank, kMain}));
    EXPECT_EQ(ui.GetText(kMain, "编辑框_时延"), "");
    ui.SetText(kMain, "编辑框_时延", "1");
    EXPECT_EQ(ui.ComboItemCount(kMain, "组合框1"), 0);
}

TEST_F(QtUiOpsTest, ClosingTheWindowOfTheRunningHandlerIsSafe) {
    ui.OpenWindow(kRank);
    // A handler that closes its own window and keeps working on it: the widgets stay alive
    // until it has returned, and its reads find an empty window.
    int rowsAfterClose = -1;
    ui.SetEventSink([&](WindowId window, std::string_view, EventKind kind, const EventArgs&) {
        if (kind != EventKind::MenuSelected)
            return;
        ui.CloseWindow(window);
        ui.ProcessPendingEvents();
        rowsAfterClose = ui.ListRowCount(window, "超级列表框1");
    });
    QPointer<QAction> action = ui.MenuAction(kRank, "开始查询");
    ASSERT_NE(action, nullptr);
    action->trigger();
    EXPECT_EQ(rowsAfterClose, 0);
    EXPECT_FALSE(action.isNull()); // still there while its trigger unwinds
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(action.isNull());
}

TEST_F(QtUiOpsTest, WorkerThreadWritesLandOnTheWidgets) {
    ui.OpenWindow(kMain);
    const char* list = "超级列表框2";
    std::atomic<int> lastRow{-1};
    std::atomic<bool> finished{false};
    std::thread worker([&] {
        for (int i = 0; i < 20; ++i) {
            const int row = ui.ListAppendRow(kMain, list);
            ui.SetListCellText(kMain, list, row, 1, Gbk("词") + std::to_string(i));
            lastRow = row;
        }
        ui.SetText(kMain, "编辑框1", Gbk("完成"));
        finished = true;
    });
    // The worker waits for the interface thread, which keeps running events meanwhile.
    ASSERT_TRUE(WaitUntil([&] { return finished.load(); }));
    worker.join();
    EXPECT_EQ(ui.ListRowCount(kMain, list), 20);
    EXPECT_EQ(lastRow.load(), 19);
    auto* table = qobject_cast<QTableWidget*>(ui.ControlWidget(kMain, list));
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->item(7, 1)->text(), QStringLiteral("词7"));
    EXPECT_EQ(GbkToUtf8(ui.GetText(kMain, "编辑框1")), "完成");
}

TEST_F(QtUiOpsTest, ProcessPendingEventsRunsQueuedEventsOnlyOnTheInterfaceThread) {
    bool ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    std::thread worker([&] { ui.ProcessPendingEvents(); });
    worker.join();
    EXPECT_FALSE(ran);
    ui.ProcessPendingEvents();
    EXPECT_TRUE(ran);
}

TEST_F(QtUiOpsTest, ClipboardRoundTripsGbkText) {
    ui.SetClipboardText(Gbk("北京\r\n上海"));
    EXPECT_EQ(ui.ClipboardText(), Gbk("北京\r\n上海"));
}

TEST_F(QtUiOpsTest, MessageBoxHasItsCaptionTextButtonsAndAnswer) {
    ui.OpenWindow(kMain);
    const struct {
        MessageButtons buttons;
        QMessageBox::StandardButton press;
        MessageAnswer answer;
    } cases[] = {
        {MessageButtons::Ok, QMessageBox::Ok, MessageAnswer::Ok},
        {MessageButtons::OkCancel, QMessageBox::Cancel, MessageAnswer::Cancel},
        {MessageButtons::OkCancel, QMessageBox::Ok, MessageAnswer::Ok},
        {MessageButtons::YesNo, QMessageBox::No, MessageAnswer::No},
    };
    for (const auto& c : cases) {
        QString seenCaption;
        QString seenText;
        QWidget* seenOwner = nullptr;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            seenCaption = box->windowTitle();
            seenText = box->text();
            seenOwner = box->parentWidget();
            box->button(c.press)->click();
        });
        const MessageAnswer answer =
            ui.ShowMessage(Gbk("检测已有新版本，是否要更新？"), Gbk("友情提醒"), c.buttons,
                           MessageIcon::Question, kMain);
        EXPECT_EQ(answer, c.answer);
        EXPECT_EQ(seenCaption, QStringLiteral("友情提醒"));
        EXPECT_EQ(seenText, QStringLiteral("检测已有新版本，是否要更新？"));
        EXPECT_EQ(seenOwner, ui.WindowWidget(kMain));
    }
}

TEST_F(QtUiOpsTest, AskTextGivesTheEnteredTextOrNothingWhenCancelled) {
    ui.OpenWindow(kRank);
    const struct {
        const char* typed; // nullptr: cancel
        std::optional<Text> answer;
    } cases[] = {{"1.35", Text("1.35")}, {"", Text()}, {nullptr, std::nullopt}};
    for (const auto& c : cases) {
        QString prefilled;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            prefilled = dialog->textValue();
            if (c.typed == nullptr) {
                dialog->reject();
                return;
            }
            dialog->setTextValue(QString::fromUtf8(c.typed));
            dialog->accept();
        });
        const std::optional<Text> answer =
            ui.AskText(kRank, Gbk("请输入新的出价（元）："), Gbk("更新出价"), "0.80");
        EXPECT_EQ(answer, c.answer);
        EXPECT_EQ(prefilled, QStringLiteral("0.80"));
    }
}

TEST_F(QtUiOpsTest, CancelledFileDialogGivesNothing) {
    ui.OpenWindow(kMain);
    QString title;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        dialog->reject();
    });
    FileDialogRequest request;
    request.window = kMain;
    request.control = "通用对话框1";
    request.title = Gbk("导入关键词");
    request.filter = Gbk("文本文件|*.txt");
    EXPECT_EQ(ui.AskFileName(request), std::nullopt);
    EXPECT_EQ(title, QStringLiteral("导入关键词"));
}

TEST(FileDialogFilter, PairsBecomeQtNameFilters) {
    const struct {
        const char* filter;
        const char* nameFilter;
        const char* suffix;
    } cases[] = {
        {"文本文件|*.txt", "文本文件 (*.txt)", "txt"},
        {"Excel文件|*.xls|所有文件|*.*", "Excel文件 (*.xls);;所有文件 (*.*)", "xls"},
        {"文本|*.txt;*.csv", "文本 (*.txt *.csv)", "txt"},
        {"所有文件|*.*", "所有文件 (*.*)", ""},
        {"", "", ""},
        {"只有描述", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(QtNameFilter(QString::fromUtf8(c.filter)).toStdString(), c.nameFilter)
            << c.filter;
        EXPECT_EQ(DefaultSuffix(QString::fromUtf8(c.filter)).toStdString(), c.suffix) << c.filter;
    }
}

TEST(AlertSound, ClipIsAWellFormedPcmWave) {
    const Bytes wave = AlertWave();
    ASSERT_GT(wave.size(), 44u);
    EXPECT_EQ(wave.substr(0, 4), "RIFF");
    EXPECT_EQ(wave.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(wave.substr(36, 4), "data");
    auto le32 = [&](size_t at) {
        std::uint32_t value = 0;
        for (int i = 3; i >= 0; --i)
            value = (value << 8) | static_cast<unsigned char>(wave[at + static_cast<size_t>(i)]);
        return value;
    };
    EXPECT_EQ(le32(4), wave.size() - 8);
    EXPECT_EQ(le32(40), wave.size() - 44);
    const std::uint32_t rate = le32(24);
    const double seconds = static_cast<double>(le32(40)) / (rate * 2);
    EXPECT_NEAR(seconds, 0.3, 0.01);
    // Not silence.
    EXPECT_NE(wave.substr(44 + 2000, 64), std::string(64, '\0'));
}

TEST_F(QtUiOpsTest, AlertAndSkinNeverBlockOrFail) {
    ui.OpenWindow(kMain);
    ui.PlayAlert();
    ui.PlayAlert();
    ui.ApplySkin(6);
    EXPECT_FALSE(qApp->styleSheet().isEmpty());
    ui.ApplySkin(40);
    EXPECT_TRUE(qApp->styleSheet().isEmpty());
    ui.ShowBalloonTip(kMain, "气球提示框1", Gbk("复制关键词成功"));
}

} // namespace
} // namespace dalmiro::test
