// The yardstick for the program's memory: a bare window with one browser view on the same
// sign-in page, on the same kind of profile, and nothing else. With --simulator it starts the
// substitute services in the process, as the program does, and shows their sign-in page;
// otherwise it shows the address given.
#include "sim/sim_server.h"

#include <QApplication>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <cstdio>
#include <memory>
#include <string>

#include <unistd.h>

int main(int argc, char** argv) {
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2) {
        std::fputs("usage: bare_webview --simulator | URL\n", stderr);
        return 2;
    }
    std::unique_ptr<dalmiro::sim::SimServer> simulator;
    QString url = arguments.at(1);
    if (url == QStringLiteral("--simulator")) {
        simulator = std::make_unique<dalmiro::sim::SimServer>();
        if (!simulator->Start(0))
            return 1;
        url = QString::fromStdString(simulator->BaseUrl() + "/#!/login");
    }
    QWebEngineProfile profile; // off the record, like the program's
    {
        QWebEngineView view;
        view.setPage(new QWebEnginePage(&profile, &view));
        view.resize(1058, 360);
        QObject::connect(&view, &QWebEngineView::loadFinished, [](bool ok) {
            std::printf("BARE_LOADED %d\n", ok ? 1 : 0);
            std::fflush(stdout);
        });
        view.setUrl(QUrl(url));
        view.show();
        QApplication::exec();
    }
    return 0;
}
