// The program end to end on the Qt windows and the substitute services, the way a merchant uses
// it: the start-up opens the sign-in page, the merchant signs in inside the browser view, switches
// to "直通车分析", loads and picks a campaign and an item, and "获取关键词" opens the ranking
// window with the ad group's keywords. With DALMIRO_RANKING_SCREENSHOT=FILE the ranking window
// is saved as a PNG (the README's picture).
#include "app/bindings.h"
#include "gui/browser_view.h"
#include "gui/qt_ui.h"
#include "net/cookie_store.h"
#include "platform/bid_amount.h"
#include "sim/sessions.h"
#include "sim/sim_server.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPixmap>
#include <QTabWidget>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <gtest/gtest.h>

namespace dalmiro::test {
namespace {

// Lets Qt run until `done` holds; the limit only keeps a broken build from hanging.
bool WaitUntil(const std::function<bool()>& done, int limitMs = 30000) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < limitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return done();
}

std::string SessionInStore() {
    for (const Cookie& cookie : AllCookies())
        if (cookie.name == sim::kSessionCookieName)
            return cookie.value;
    return {};
}

template <typename Widget> Widget* Control(QtUi& ui, std::string_view name) {
    return qobject_cast<Widget*>(ui.ControlWidget(WindowId::Main, name));
}

TEST(RankingWindowEndToEnd, SigningInInTheViewLeadsToTheRankingWindow) {
    ClearCookies();
    sim::SimServer server;
    ASSERT_TRUE(server.Start());
    ProgramState state;
    QtUi ui;
    AppContext ctx{ui, state, HostsAt(server.BaseUrl())};
    ui.SetEventSink(
        [&ctx](WindowId window, std::string_view source, EventKind kind, const EventArgs& args) {
            DispatchEvent(ctx, window, source, kind, args);
        });
    ui.SetAddressOpener([](const std::string&) {});
    // Any message box would wait for a click: answer it, and remember that one came up.
    std::vector<QString> boxes;
    QTimer dismisser;
    QObject::connect(&dismisser, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            boxes.push_back(modal->windowTitle());
            modal->close();
        }
    });
    dismisser.start(100);

    ui.OpenWindow(WindowId::Main); // the start-up loads the sign-in page into the view
    auto* box = Control<BrowserBox>(ui, "超文本浏览框1");
    ASSERT_NE(box, nullptr);
    QWebEngineView* view = box->EnsureView();
    const auto script = [&](const QString& code) {
        bool done = false;
        QString result;
        view->page()->runJavaScript(code, [&](const QVariant& value) {
            result = value.toString();
            done = true;
        });
        WaitUntil([&] { return done; });
        return result;
    };
    ASSERT_TRUE(WaitUntil([&] {
        return script(QStringLiteral("String(document.forms.length)")) == QStringLiteral("1");
    })) << "the sign-in form never showed";
    script(QStringLiteral("document.querySelector('form').submit(); 'sent'"));
    ASSERT_TRUE(WaitUntil([] { return !SessionInStore().empty(); }));

    Control<QTabWidget>(ui, "选择夹1")->setCurrentIndex(1);
    EXPECT_EQ(state.platform.loginToken, server.TokenOf(SessionInStore()));

    Control<QAbstractButton>(ui, "按钮_获取推广计划")->click();
    const auto campaigns = server.Data().Campaigns();
    ASSERT_EQ(Control<QComboBox>(ui, "组合框_推广计划")->count(),
              static_cast<int>(campaigns.size()));
    Control<QComboBox>(ui, "组合框_推广计划")->setCurrentIndex(0);
    Control<QAbstractButton>(ui, "按钮_获取推广宝贝")->click();
    ASSERT_EQ(Control<QComboBox>(ui, "组合框_推广宝贝")->count(),
              static_cast<int>(campaigns[0].items.size()));
    Control<QComboBox>(ui, "组合框_推广宝贝")->setCurrentIndex(0);
    Control<QAbstractButton>(ui, "按钮_获取关键词")->click();

    const auto keywords = campaigns[0].items[0].keywords;
    ASSERT_TRUE(WaitUntil([&] {
        return ui.ListRowCount(WindowId::Analysis, "超级列表框1") ==
               static_cast<int>(keywords.size());
    }));
    for (int row = 0; row < static_cast<int>(keywords.size()); ++row) {
        const auto cell = [&](int column) {
            return ui.ListCellText(WindowId::Analysis, "超级列表框1", row, column);
        };
        EXPECT_EQ(cell(0), std::to_string(row + 1));
        EXPECT_EQ(cell(1), Gbk(keywords[row].word));
        EXPECT_EQ(cell(2), BidYuanText(static_cast<double>(keywords[row].maxPriceFen)));
        EXPECT_EQ(cell(9), keywords[row].keywordId);
    }
    EXPECT_TRUE(boxes.empty()) << boxes.front().toStdString();

    if (const QByteArray file = qgetenv("DALMIRO_RANKING_SCREENSHOT"); !file.isEmpty()) {
        QWidget* window = ui.WindowWidget(WindowId::Analysis);
        window->raise();
        WaitUntil([] { return false; }, 500); // let the rows paint
        EXPECT_TRUE(window->grab().save(QString::fromLocal8Bit(file), "PNG"));
    }
    ui.CloseWindow(WindowId::Analysis);
    dismisser.stop();
    ClearCookies();
}

} // namespace
} // namespace dalmiro::test
