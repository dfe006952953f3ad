#include "gui/cookie_bridge.h"

#include "gui/gui_thread.h"

#include <QDateTime>
#include <QUrl>

namespace dalmiro {

Cookie CookieFromQt(const QNetworkCookie& qt) {
    Cookie cookie;
    QString domain = qt.domain();
    // Chromium reports a cookie set without a Domain attribute with the bare host: host-only.
    cookie.hostOnly = !domain.startsWith(QLatin1Char('.'));
    if (!cookie.hostOnly)
        domain.remove(0, 1);
    cookie.domain = domain.toLower().toStdString();
    cookie.path = qt.path().isEmpty() ? std::string("/") : qt.path().toStdString();
    cookie.secure = qt.isSecure();
    cookie.httpOnly = qt.isHttpOnly();
    cookie.expires = qt.isSessionCookie() ? 0 : qt.expirationDate().toSecsSinceEpoch();
    cookie.name = qt.name().toStdString();
    cookie.value = qt.value().toStdString();
    return cookie;
}

QNetworkCookie CookieToQt(const Cookie& cookie) {
    QNetworkCookie qt(QByteArray::fromStdString(cookie.name),
                      QByteArray::fromStdString(cookie.value));
    // A host-only cookie carries no domain: the browser then binds it to the origin's host alone.
    if (!cookie.hostOnly)
        qt.setDomain(QLatin1Char('.') + QString::fromStdString(cookie.domain));
    qt.setPath(QString::fromStdString(cookie.path.empty() ? std::string("/") : cookie.path));
    qt.setSecure(cookie.secure);
    qt.setHttpOnly(cookie.httpOnly);
    if (cookie.expires != 0)
        qt.setExpirationDate(QDateTime::fromSecsSinceEpoch(cookie.expires));
    return qt;
}

QUrl CookieOrigin(const Cookie& cookie) {
    QUrl origin;
    origin.setScheme(cookie.secure ? QStringLiteral("https") : QStringLiteral("http"));
    origin.setHost(QString::fromStdString(cookie.domain));
    origin.setPath(QStringLiteral("/"));
    return origin;
}

CookieBridge::CookieBridge(QWebEngineCookieStore* store) : store_(store) {
    if (store_ == nullptr)
        return;
    connect(store_, &QWebEngineCookieStore::cookieAdded, this, &CookieBridge::FromBrowser);
    // Replies arrive on any thread (HttpRequest's workers among them): queue the hand-over to
    // the interface thread instead of touching the browser's store there.
    listenerId_ = AddCookieListener([this](const Cookie& cookie) {
        if (OnGuiThreadNow()) {
            ToBrowser(cookie);
            return;
        }
        QMetaObject::invokeMethod(
            this, [this, cookie] { ToBrowser(cookie); }, Qt::QueuedConnection);
    });
}

CookieBridge::~CookieBridge() {
    if (listenerId_ >= 0)
        RemoveCookieListener(listenerId_);
}

void CookieBridge::FromBrowser(const QNetworkCookie& cookie) {
    Cookie converted = CookieFromQt(cookie);
    if (converted.domain.empty() || converted.name.empty())
        return;
    InsertCookie(converted);
}

void CookieBridge::ToBrowser(const Cookie& cookie) {
    if (store_ == nullptr || cookie.domain.empty() || cookie.name.empty())
        return;
    store_->setCookie(CookieToQt(cookie), CookieOrigin(cookie));
}

} // namespace dalmiro
