#pragma once
// The embedded browser views. They all use one off-the-record profile, so nothing of a session
// is written to disk and every cookie the pages receive is visible to the cookie bridge.
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <memory>

namespace dalmiro {

// The profile every browser view of the program shares. Owned by the Ui; it must outlive
// every view (and so every window) built on it.
std::unique_ptr<QWebEngineProfile> MakeBrowserProfile();

// A view on `profile` as a child of `parent`.
QWebEngineView* MakeBrowserView(QWidget* parent, QWebEngineProfile* profile);

} // namespace dalmiro
