#include "gui/dev_probes.h"

#include "gui/qt_ui.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTimer>
#include <QWebEngineView>

#include <cstdio>

namespace dalmiro {
namespace {

void ReportShownAndQuit(QtUi& ui) {
    if (ui.IsWindowVisible(WindowId::Main) && ui.IsWindowEnabled(WindowId::Main)) {
        std::printf("DALMIRO_SHOWN_AT_MS %lld\n",
                    static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
    } else {
        std::printf("DALMIRO_NOT_SHOWN\n");
    }
    std::fflush(stdout);
    QCoreApplication::quit();
}

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
    if (qEnvironmentVariableIntValue("DALMIRO_EXIT_WHEN_SHOWN") == 1) {
        QTimer::singleShot(0, QCoreApplication::instance(), [&ui] { ReportShownAndQuit(ui); });
        return true;
    }
    const QString screenshot = qEnvironmentVariable("DALMIRO_SCREENSHOT");
    if (screenshot.isEmpty())
        return false;
    auto* view = qobject_cast<QWebEngineView*>(ui.ControlWidget(WindowId::Main, "超文本浏览框1"));
    if (view != nullptr) {
        // A moment after the page has loaded, so that it has been painted.
        QObject::connect(view, &QWebEngineView::loadFinished, view, [&ui, screenshot] {
            QTimer::singleShot(1500, QCoreApplication::instance(),
                               [&ui, screenshot] { SaveScreenshotAndQuit(ui, screenshot); });
        });
    }
    QTimer::singleShot(15000, QCoreApplication::instance(),
                       [&ui, screenshot] { SaveScreenshotAndQuit(ui, screenshot); });
    return true;
}

} // namespace dalmiro
