// The start-up sequence of MainWindow against the substitute services.
#include "sim/sim_server.h"
#include "support/app_harness.h"
#include "support/fake_clock.h"

#include <gtest/gtest.h>

namespace dalmiro {
namespace {

using test::AppHarness;
constexpr WindowId kMain = WindowId::Main;

class StartUp : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(server_.Start(0));
        hosts_ = HostsAt(server_.BaseUrl());
    }

    // Creates MainWindow the way the program does, with the stop flag left set by nobody.
    void Start(AppHarness& app) {
        app.state.stopRequested = 1;
        app.ui.Fire(kMain, "MainWindow", EventKind::Created);
    }

    // Everything the sequence leaves behind when the merchant did not take an update.
    void ExpectRunning(AppHarness& app) {
        EXPECT_TRUE(app.ui.IsWindowOpen(kMain));
        EXPECT_TRUE(app.ui.IsWindowVisible(kMain));
        EXPECT_TRUE(app.ui.IsWindowEnabled(kMain));
        EXPECT_EQ(app.ui.LoadedUrlOf(kMain, "超文本浏览框1"), hosts_.SignInUrl());
        EXPECT_EQ(app.ui.LoadedUrlOf(kMain, "超文本浏览框2"), hosts_.CounterUrl());
        EXPECT_EQ(app.ui.GetText(kMain, "超级链接框1"),
                  Gbk("Dalmiro软件官网：") + hosts_.WebsiteUrl());
        EXPECT_EQ(app.ui.GetLink(kMain, "超级链接框1"), hosts_.WebsiteUrl());
        EXPECT_EQ(app.ui.AppliedSkins(), std::vector<int>{6});
        EXPECT_EQ(app.ui.Picture(kMain, "图片框2").substr(0, 3), "GIF");
        EXPECT_EQ(app.state.stopRequested, 0);
        EXPECT_EQ(app.state.report.end, "2013-2-28");
        EXPECT_EQ(app.state.report.start, "2013-2-22");
        EXPECT_TRUE(app.ui.OpenedAddresses().empty());
    }

    sim::SimServer server_;
    Hosts hosts_;
    ScopedClock clock_{std::make_shared<FakeClock>(LocalDate{2013, 3, 1})};
};

TEST_F(StartUp, OffersTheUpdateOnlyForANewerVersion) {
    struct Case {
        const char* version;
        bool present;
        bool offered;
    };
    const Case cases[] = {
        {"1.6", true, true},   {"1.5", true, false},
        {"1.4", true, false},  {"x1", true, false}, // no number
        {"1.6", false, false},                      // the page names no version
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.version) + (c.present ? "" : " (no entries)"));
        sim::SimNotice notice;
        notice.present = c.present;
        notice.version = c.version;
        server_.Data().SetNotice(notice);
        AppHarness app(hosts_);
        app.ui.ScriptMessageAnswer(MessageAnswer::Cancel);
        Start(app);
        const auto messages = app.ui.Messages();
        ASSERT_EQ(messages.size(), c.offered ? 1u : 0u);
        if (c.offered) {
            EXPECT_EQ(messages[0].text, Gbk("检测已有新版本，是否要更新？"));
            EXPECT_EQ(messages[0].caption, Gbk("友情提醒"));
            EXPECT_EQ(messages[0].buttons, MessageButtons::OkCancel);
        }
        ExpectRunning(app); // Cancel goes on exactly as without an offer
    }
}

TEST_F(StartUp, SetsTheAnnouncementLine) {
    sim::SimNotice notice;
    notice.text = "新品上线，欢迎试用";
    notice.link = "http://news.example/2013";
    server_.Data().SetNotice(notice);
    AppHarness app(hosts_);
    Start(app);
    EXPECT_EQ(app.ui.GetText(kMain, "超级链接框3"), Gbk("新品上线，欢迎试用"));
    EXPECT_EQ(app.ui.GetLink(kMain, "超级链接框3"), "http://news.example/2013");
    ExpectRunning(app);
}

TEST_F(StartUp, APageWithoutEntriesLeavesTheAnnouncementLineEmpty) {
    sim::SimNotice notice;
    notice.present = false;
    server_.Data().SetNotice(notice);
    AppHarness app(hosts_);
    Start(app);
    EXPECT_EQ(app.ui.GetText(kMain, "超级链接框3"), "");
    EXPECT_EQ(app.ui.GetLink(kMain, "超级链接框3"), "");
    ExpectRunning(app);
}

TEST_F(StartUp, AcceptingTheUpdateClosesTheProgramAndOpensTheUpdateAddress) {
    sim::SimNotice notice;
    notice.version = "1.6";
    notice.updateAddress = "http://download.example/dalmiro-1.6.exe";
    server_.Data().SetNotice(notice);
    AppHarness app(hosts_);
    app.ui.ScriptMessageAnswer(MessageAnswer::Ok);
    Start(app);
    EXPECT_FALSE(app.ui.IsWindowOpen(kMain));
    EXPECT_EQ(app.ui.OpenedAddresses(),
              std::vector<std::string>{"http://download.example/dalmiro-1.6.exe"});
    // Nothing else of the sequence ran.
    EXPECT_TRUE(app.ui.LoadedUrls().empty());
    EXPECT_TRUE(app.ui.AppliedSkins().empty());
    EXPECT_EQ(app.state.stopRequested, 1);
    EXPECT_EQ(app.state.report.end, "");
}

TEST_F(StartUp, AddressesFromThePageOpenOnlyAsWebAddresses) {
    struct Case {
        const char* address;
        bool opened;
    };
    const Case cases[] = {
        {"https://download.example/setup.exe", true},
        {"HTTP://download.example/", true},
        {"file:///etc/passwd", false},
        {"C:\\Windows\\System32\\calc.exe", false},
        {"javascript:alert(1)", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.address);
        sim::SimNotice notice;
        notice.version = "1.6";
        notice.updateAddress = c.address;
        notice.link = c.address;
        server_.Data().SetNotice(notice);

        AppHarness accepting(hosts_);
        accepting.ui.ScriptMessageAnswer(MessageAnswer::Ok);
        Start(accepting);
        EXPECT_FALSE(accepting.ui.IsWindowOpen(kMain));
        EXPECT_EQ(accepting.ui.OpenedAddresses().size(), c.opened ? 1u : 0u);

        AppHarness declining(hosts_);
        declining.ui.ScriptMessageAnswer(MessageAnswer::Cancel);
        Start(declining);
        EXPECT_EQ(declining.ui.GetLink(kMain, "超级链接框3"), c.opened ? c.address : "");
    }
}

TEST_F(StartUp, UnreachableMakerStillStartsWithEmptyAnnouncementAndPicture) {
    Hosts hosts = hosts_;
    hosts.maker = "http://127.0.0.1:1"; // nothing listens there
    AppHarness app(hosts);
    Start(app);
    EXPECT_TRUE(app.ui.Messages().empty());
    EXPECT_EQ(app.ui.GetText(kMain, "超级链接框3"), "");
    EXPECT_EQ(app.ui.Picture(kMain, "图片框2"), "");
    EXPECT_TRUE(app.ui.IsWindowVisible(kMain));
    EXPECT_EQ(app.state.stopRequested, 0);
    EXPECT_EQ(app.state.report.start, "2013-2-22");
}

TEST_F(StartUp, TheWebLinkCaptionShowsANonAsciiMakerAddressAsGbk) {
    Hosts hosts = hosts_;
    hosts.maker = "http://127.0.0.1:1/淘词"; // nothing listens there
    AppHarness app(hosts);
    Start(app);
    EXPECT_EQ(app.ui.GetText(kMain, "超级链接框1"),
              Gbk("Dalmiro软件官网：http://127.0.0.1:1/淘词/"));
    EXPECT_EQ(app.ui.GetLink(kMain, "超级链接框1"), "http://127.0.0.1:1/淘词/");
}

} // namespace
} // namespace dalmiro
