#pragma once
// Keeps the sign-in browser view and the program's own HTTP layer on one cookie jar, the way
// the back office expects: every cookie a page sets goes into the process cookie store (so
// HttpGet carries the merchant's session), and every cookie a reply to the HTTP layer sets is
// handed to the views' cookie store on the interface thread.
#include "net/cookie_store.h"

#include <QNetworkCookie>
#include <QObject>
#include <QPointer>
#include <QWebEngineCookieStore>

namespace dalmiro {

Cookie CookieFromQt(const QNetworkCookie& cookie);
QNetworkCookie CookieToQt(const Cookie& cookie);
// The address a cookie is set for in the browser (scheme by its secure flag, its host).
QUrl CookieOrigin(const Cookie& cookie);

class CookieBridge : public QObject {
    Q_OBJECT
  public:
    explicit CookieBridge(QWebEngineCookieStore* store);
    ~CookieBridge() override;
    CookieBridge(const CookieBridge&) = delete;
    CookieBridge& operator=(const CookieBridge&) = delete;

  private:
    void FromBrowser(const QNetworkCookie& cookie);
    void ToBrowser(const Cookie& cookie);

    QPointer<QWebEngineCookieStore> store_;
    int listenerId_ = -1;
};

} // namespace dalmiro
