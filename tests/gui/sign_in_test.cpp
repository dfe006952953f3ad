// End to end on the substitute services: the merchant signs in through the form in the sign-in
// browser view, and the program's own HTTP layer then carries the session; a cookie that a reply
// to the HTTP layer sets reaches the browser view in turn.
#include "app/hosts.h"
#include "gui/browser_view.h"
#include "gui_fixture.h"
#include "net/cookie_store.h"
#include "net/http.h"
#include "sim/sessions.h"
#include "sim/sim_server.h"

#include <QWebEnginePage>
#include <QWebEngineView>

namespace dalmiro::test {
namespace {

class SignInTest : public GuiFixture {
  protected:
    void SetUp() override {
        ClearCookies();
        ASSERT_TRUE(server.Start(0));
        hosts = HostsAt(server.BaseUrl());
        ui.OpenWindow(WindowId::Main);
        auto* box = qobject_cast<BrowserBox*>(ui.ControlWidget(WindowId::Main, "超文本浏览框1"));
        ASSERT_NE(box, nullptr);
        view = box->EnsureView();
        ASSERT_NE(view, nullptr);
    }
    void TearDown() override { ClearCookies(); }

    // Loads the address into the sign-in view and waits for the page.
    bool Load(const std::string& url) {
        bool finished = false;
        bool ok = false;
        QMetaObject::Connection connection =
            QObject::connect(view, &QWebEngineView::loadFinished, [&](bool success) {
                finished = true;
                ok = success;
            });
        ui.LoadUrl(WindowId::Main, "超文本浏览框1", url);
        WaitUntil([&] { return finished; });
        QObject::disconnect(connection);
        return ok;
    }

    QString RunScript(const QString& script) {
        bool done = false;
        QString result;
        view->page()->runJavaScript(script, [&](const QVariant& value) {
            result = value.toString();
            done = true;
        });
        WaitUntil([&] { return done; });
        return result;
    }

    std::string SessionInStore() const {
        for (const Cookie& cookie : AllCookies()) {
            if (cookie.name == sim::kSessionCookieName)
                return cookie.value;
        }
        return {};
    }

    sim::SimServer server;
    Hosts hosts;
    QWebEngineView* view = nullptr;
};

TEST_F(SignInTest, SigningInInTheViewSignsInTheHttpLayer) {
    const std::string infoUrl = hosts.backOffice + "/bpenv/getLoginUserInfo.htm";
    ASSERT_TRUE(Load(hosts.SignInUrl()));
    // Before signing in the back office hands out no token.
    const Bytes before = HttpGet(infoUrl);
    EXPECT_EQ(SessionInStore(), "");

    RunScript(QStringLiteral("document.querySelector('form').submit(); 'sent'"));
    ASSERT_TRUE(WaitUntil([&] { return !SessionInStore().empty(); }));
    const std::string session = SessionInStore();
    const std::string token = server.TokenOf(session);
    ASSERT_FALSE(token.empty());
    EXPECT_EQ(before.find(token), std::string::npos);

    // The session cookie is host-only and HttpOnly, as the back office set it.
    for (const Cookie& cookie : AllCookies()) {
        if (cookie.name == sim::kSessionCookieName) {
            EXPECT_TRUE(cookie.hostOnly);
            EXPECT_TRUE(cookie.httpOnly);
            EXPECT_EQ(cookie.domain, "127.0.0.1");
        }
    }
    const Bytes info = HttpGet(infoUrl);
    EXPECT_NE(info.find(token), std::string::npos) << info.substr(0, 300);
}

TEST_F(SignInTest, CookieFromAnHttpReplyReachesTheView) {
    ASSERT_TRUE(Load(hosts.SignInUrl()));
    EXPECT_FALSE(RunScript(QStringLiteral("document.body.innerText")).contains("已登录"));

    // The program signs in through its own HTTP layer; the reply's session cookie goes to the
    // browser's store, so the page now shows the merchant as signed in.
    HttpRequestOptions options;
    options.headers = "Content-Type: application/x-www-form-urlencoded\r\n";
    options.body = "loginId=dalmiro_shop&password=123456";
    HttpRequest(hosts.backOffice + "/login.htm", 1, options);
    ASSERT_FALSE(SessionInStore().empty());

    bool signedIn = false;
    WaitUntil([&] {
        if (!Load(hosts.SignInUrl()))
            return false;
        signedIn = RunScript(QStringLiteral("document.body.innerText")).contains("已登录");
        return signedIn;
    });
    EXPECT_TRUE(signedIn);
}

} // namespace
} // namespace dalmiro::test
