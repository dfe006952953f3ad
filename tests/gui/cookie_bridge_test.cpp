// Cookies between the browser's form (QNetworkCookie) and the process store: host-only cookies
// stay host-only, domain cookies keep reaching subdomains, flags and expiry survive both ways.
#include "gui/cookie_bridge.h"

#include <QDateTime>

#include <gtest/gtest.h>

namespace dalmiro {
namespace {

TEST(CookieBridge, ConvertsBothWaysKeepingScope) {
    const struct {
        const char* qtDomain; // as the browser reports it
        const char* domain;
        bool hostOnly;
        bool secure;
        bool httpOnly;
        std::int64_t expires;
    } cases[] = {
        {"127.0.0.1", "127.0.0.1", true, false, true, 0},
        {".taobao.com", "taobao.com", false, false, false, 0},
        {"subway.simba.taobao.com", "subway.simba.taobao.com", true, true, false, 1893456000},
        {".Example.COM", "example.com", false, true, true, 1893456000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.qtDomain);
        QNetworkCookie qt("sid", "a=b;c");
        qt.setDomain(QString::fromLatin1(c.qtDomain));
        qt.setPath("/bp");
        qt.setSecure(c.secure);
        qt.setHttpOnly(c.httpOnly);
        if (c.expires != 0)
            qt.setExpirationDate(QDateTime::fromSecsSinceEpoch(c.expires));

        const Cookie cookie = CookieFromQt(qt);
        EXPECT_EQ(cookie.domain, c.domain);
        EXPECT_EQ(cookie.hostOnly, c.hostOnly);
        EXPECT_EQ(cookie.path, "/bp");
        EXPECT_EQ(cookie.secure, c.secure);
        EXPECT_EQ(cookie.httpOnly, c.httpOnly);
        EXPECT_EQ(cookie.expires, c.expires);
        EXPECT_EQ(cookie.name, "sid");
        EXPECT_EQ(cookie.value, "a=b;c");

        // Back to the browser: a host-only cookie carries no domain and is set for its host.
        const QNetworkCookie back = CookieToQt(cookie);
        EXPECT_EQ(back.domain().isEmpty(), c.hostOnly);
        if (!c.hostOnly) {
            EXPECT_EQ(back.domain().toStdString(), std::string(".") + c.domain);
        }
        EXPECT_EQ(back.isSessionCookie(), c.expires == 0);
        if (c.expires != 0) {
            EXPECT_EQ(back.expirationDate().toSecsSinceEpoch(), c.expires);
        }
        EXPECT_EQ(back.isSecure(), c.secure);
        EXPECT_EQ(back.isHttpOnly(), c.httpOnly);
        EXPECT_EQ(back.path(), QStringLiteral("/bp"));
        EXPECT_EQ(back.name(), QByteArray("sid"));
        EXPECT_EQ(back.value(), QByteArray("a=b;c"));
        EXPECT_EQ(CookieOrigin(cookie).host().toStdString(), c.domain);
        EXPECT_EQ(CookieOrigin(cookie).scheme(), c.secure ? "https" : "http");
    }
}

} // namespace
} // namespace dalmiro
