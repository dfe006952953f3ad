#include "gui/browser_view.h"

#include <QTimer>
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

BrowserBox::BrowserBox(QWidget* parent, std::function<QWebEngineProfile*()> profile)
    : QWidget(parent), profile_(std::move(profile)) {}

void BrowserBox::Load(const QUrl& url) {
    url_ = url;
    if (view_ != nullptr)
        view_->setUrl(url_);
}

QWebEngineView* BrowserBox::EnsureView() {
    if (view_ != nullptr)
        return view_;
    QWebEngineProfile* profile = profile_ ? profile_() : nullptr;
    if (profile == nullptr)
        return nullptr;
    // The view and its page belong to the box, so they go with the box's window.
    view_ = new QWebEngineView(this);
    view_->setPage(new QWebEnginePage(profile, view_));
    // The clipped views show only part of a page: no scroll bars over the visible part.
    view_->page()->settings()->setAttribute(QWebEngineSettings::ShowScrollBars, false);
    view_->setContextMenuPolicy(Qt::NoContextMenu);
    view_->setAccessibleName(accessibleName());
    view_->setGeometry(rect());
    view_->show();
    if (!url_.isEmpty())
        view_->setUrl(url_);
    emit viewCreated(view_);
    return view_;
}

void BrowserBox::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (view_ != nullptr || scheduled_)
        return;
    // After this paint has reached the screen, not inside it.
    scheduled_ = true;
    QTimer::singleShot(0, this, [this] { EnsureView(); });
}

void BrowserBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (view_ != nullptr)
        view_->setGeometry(rect());
}

} // namespace dalmiro
