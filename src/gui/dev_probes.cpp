#include "gui/dev_probes.h"

#include "gui/browser_view.h"
#include "gui/qt_ui.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QTimer>

#include <cstdio>

namespace dalmiro {

DevProbes::DevProbes(QtUi& ui) : ui_(ui) {
    exitWhenShown_ = qEnvironmentVariableIntValue("DALMIRO_EXIT_WHEN_SHOWN") == 1;
    screenshot_ = qEnvironmentVariable("DALMIRO_SCREENSHOT");
    if (exitWhenShown_ || !screenshot_.isEmpty())
        QCoreApplication::instance()->installEventFilter(this);
    if (!screenshot_.isEmpty())
        QTimer::singleShot(20000, this, [this] { SaveScreenshot(); });
}

bool DevProbes::eventFilter(QObject* watched, QEvent* event) {
    if (finished_ || event->type() != QEvent::Paint)
        return false;
    QWidget* window = ui_.WindowWidget(WindowId::Main);
    if (window == nullptr)
        return false;
    if (exitWhenShown_ && watched == window && window->isVisible() && window->isEnabled()) {
        std::printf("DALMIRO_SHOWN_AT_MS %lld\n",
                    static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
        std::fflush(stdout);
        Finish();
        return false;
    }
    if (!screenshot_.isEmpty() && !watchingPage_) {
        auto* box = qobject_cast<BrowserBox*>(ui_.ControlWidget(WindowId::Main, "超文本浏览框1"));
        if (box == nullptr)
            return false;
        watchingPage_ = true;
        // A moment after the sign-in page has loaded, so that it has been painted.
        auto watch = [this](QWebEngineView* view) {
            connect(view, &QWebEngineView::loadFinished, this,
                    [this] { QTimer::singleShot(1500, this, [this] { SaveScreenshot(); }); });
        };
        if (box->View() != nullptr)
            watch(box->View());
        else
            connect(box, &BrowserBox::viewCreated, this, watch);
    }
    return false;
}

void DevProbes::SaveScreenshot() {
    if (finished_)
        return;
    QWidget* window = ui_.WindowWidget(WindowId::Main);
    const bool saved = window != nullptr && window->grab().save(screenshot_, "PNG");
    std::printf("%s %s\n", saved ? "DALMIRO_SCREENSHOT_SAVED" : "DALMIRO_SCREENSHOT_FAILED",
                qPrintable(screenshot_));
    std::fflush(stdout);
    Finish();
}

void DevProbes::Finish() {
    finished_ = true;
    QCoreApplication::instance()->removeEventFilter(this);
    // Quits the message loop once it runs (quitting before it runs would do nothing).
    QTimer::singleShot(0, QCoreApplication::instance(), [] { QCoreApplication::quit(); });
}

} // namespace dalmiro
