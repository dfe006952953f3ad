#include "gui/browser_view.h"

#include <QWebEnginePage>
#include <QWebEngineSettings>

namespace dalmiro {

std::unique_ptr<QWebEngineProfile> MakeBrowserProfile() {
    // A profile without a storage name is off the record: cookies and cache live in memory only.
    auto profile = std::make_unique<QWebEngineProfile>();
    profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    return profile;
}

QWebEngineView* MakeBrowserView(QWidget* parent, QWebEngineProfile* profile) {
    auto* view = new QWebEngineView(parent);
    // The page belongs to the view, so it goes with the view's window.
    view->setPage(new QWebEnginePage(profile, view));
    // The clipped views show only part of a page: no scroll bars over the visible part.
    view->page()->settings()->setAttribute(QWebEngineSettings::ShowScrollBars, false);
    view->setContextMenuPolicy(Qt::NoContextMenu);
    return view;
}

} // namespace dalmiro
