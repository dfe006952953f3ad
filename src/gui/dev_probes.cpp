#include "gui/dev_probes.h"

#include "gui/browser_view.h"
#include "gui/qt_ui.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QTimer>

#include <cstdio>

namespace dalmiro {
namespace {

// Reports the first paint of the window it watches.
class FirstPaintProbe : public QObject {
  public:
    explicit FirstPaintProbe(QtUi& ui) : QObject(ui.WindowWidget(WindowId::Main)), ui_(ui) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !reported_) {
            reported_ = true;
            QTimer::singleShot(0, this, [this] { Report(); });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    void Report() {
        if (ui_.IsWindowVisible(WindowId::Main) && ui_.IsWindowEnabled(WindowId::Main)) {
            std::printf("DALMIRO_SHOWN_AT_MS %lld\n",
                        static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
        } else {
            std::printf("DALMIRO_NOT_SHOWN\n");
        }
        std::fflush(stdout);
        QCoreApplication::quit();
    }

    QtUi& ui_;
    bool reported_ = false;
};

void SaveScreenshotAndQuit(QtUi& ui, const QString& path) {
    QWidget* window = ui.WindowWidget(WindowId::Main);
    const bool saved = window != nullptr && window->grab().save(path, "PNG");
    std::printf("%s %s\n", saved ? "DALMIRO_SCREENSHOT_SAVED" : "DALMIRO_SCREENSHOT_FAILED",
                qPrintable(path));
    std::fflush(stdout);
    QCoreApplication::quit();
}

} // namespace

bool InstallDevProbes(QtUi& ui) {
    QWidget* window = ui.WindowWidget(WindowId::Main);
    if (window == nullptr)
        return false;
    if (qEnvironmentVariableIntValue("DALMIRO_EXIT_WHEN_SHOWN") == 1) {
        // Owned by the window it watches.
        window->installEventFilter(new FirstPaintProbe(ui));
        window->update();
        return true;
    }
    const QString screenshot = qEnvironmentVariable("DALMIRO_SCREENSHOT");
    if (screenshot.isEmpty())
        return false;
    auto takeShot = [&ui, screenshot] { SaveScreenshotAndQuit(ui, screenshot); };
    if (auto* box = qobject_cast<BrowserBox*>(ui.ControlWidget(WindowId::Main, "超文本浏览框1"))) {
        // A moment after the sign-in page has loaded, so that it has been painted.
        QObject::connect(box, &BrowserBox::viewCreated, box, [takeShot](QWebEngineView* view) {
            QObject::connect(view, &QWebEngineView::loadFinished, view, [takeShot] {
                QTimer::singleShot(1500, QCoreApplication::instance(), takeShot);
            });
        });
    }
    QTimer::singleShot(20000, QCoreApplication::instance(), takeShot);
    return true;
}

} // namespace dalmiro
