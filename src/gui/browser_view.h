#pragma once
// The embedded browser views. They all use one off-the-record profile, so nothing of a session
// is written to disk and every cookie the pages receive is visible to the cookie bridge.
//
// Starting the browser engine takes most of a second, so a browser control is a box that makes
// its view only once the box has first been painted: the window shows at once, and the page
// follows. An address set before that is loaded as soon as the view exists.
#include <QPointer>
#include <QUrl>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <QWidget>

#include <functional>
#include <memory>

namespace dalmiro {

// The profile every browser view of the program shares. Owned by the Ui; it must outlive
// every view (and so every window) built on it.
std::unique_ptr<QWebEngineProfile> MakeBrowserProfile();

class BrowserBox : public QWidget {
    Q_OBJECT
  public:
    // `profile` gives the shared profile, making it on first use.
    BrowserBox(QWidget* parent, std::function<QWebEngineProfile*()> profile);

    void Load(const QUrl& url);
    QUrl Address() const { return url_; }
    // The view, made now if it does not exist yet.
    QWebEngineView* EnsureView();
    QWebEngineView* View() const { return view_; }

  signals:
    void viewCreated(QWebEngineView* view);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    std::function<QWebEngineProfile*()> profile_;
    QPointer<QWebEngineView> view_;
    QUrl url_;
    bool scheduled_ = false;
};

} // namespace dalmiro
