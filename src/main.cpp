// The process entry: start options, the substitute services when asked for, the program state,
// the Qt windows, and the message loop until MainWindow is closed.
#include "app/bindings.h"
#include "app/start_options.h"
#include "gui/dev_probes.h"
#include "gui/qt_ui.h"
#include "sim/sim_server.h"

#include <QApplication>

#include <cstdio>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

// Under AddressSanitizer: the browser engine's own code (libQt6WebEngineCore, not instrumented)
// frees some objects through a base type of another size when a page closes, which the sanitizer
// reports as a new-delete size mismatch. That check is left off; every other one stays on.
extern "C" const char* __asan_default_options() {
    return "new_delete_type_mismatch=0";
}

namespace dalmiro {
namespace {

// The browser engine refuses to run as root with its sandbox on; only then is it switched off.
void AllowBrowserAsRoot() {
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

StartOptions ParseArguments(const std::vector<std::string>& arguments) {
    std::vector<const char*> argv;
    argv.reserve(arguments.size());
    for (const std::string& argument : arguments)
        argv.push_back(argument.c_str());
    return ParseStartOptions(static_cast<int>(argv.size()), argv.data());
}

std::vector<std::string> RawArguments(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}

std::vector<std::string> ArgumentsLeftByQt() {
    std::vector<std::string> arguments;
    for (const QString& argument : QCoreApplication::arguments())
        arguments.push_back(argument.toStdString());
    return arguments;
}

int ProgramStart(int argc, char** argv) {
    // The usage needs no display: answer --help before the window system is touched.
    if (ParseArguments(RawArguments(argc, argv)).help) {
        std::fputs(StartOptionsUsage().c_str(), stdout);
        return 0;
    }
    AllowBrowserAsRoot();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    // The program ends when MainWindow closes, not when its last visible window does (the main
    // window is hidden while its start-up runs, and message boxes come and go meanwhile).
    QApplication::setQuitOnLastWindowClosed(false);

    const StartOptions options = ParseArguments(ArgumentsLeftByQt());
    if (!options.error.empty()) {
        std::fprintf(stderr, "%s\n%s", options.error.c_str(), StartOptionsUsage().c_str());
        return 2;
    }
    // Declared before the windows, so the services outlive every request the windows make.
    std::unique_ptr<sim::SimServer> simulator;
    if (options.simulator) {
        simulator = std::make_unique<sim::SimServer>();
        if (!simulator->Start(0)) {
            std::fputs("dalmiro: the substitute services could not be started\n", stderr);
            return 1;
        }
    }
    ProgramState state;
    state.shell.startArguments = options.restartArguments;
    QtUi ui;
    AppContext context{ui, state, ResolveHosts(options, simulator ? simulator->BaseUrl() : "")};
    ui.SetEventSink(
        [&context](WindowId window, std::string_view source, EventKind kind,
                   const EventArgs& args) { DispatchEvent(context, window, source, kind, args); });
    ui.SetWindowClosedHandler([&state](WindowId window) {
        if (window != WindowId::Main)
            return;
        // Every run in progress ends at its next step; the loop ends when they have returned.
        RequestStop(state);
        QCoreApplication::quit();
    });

    const DevProbes probes(ui);
    ui.OpenWindow(WindowId::Main);
    // The start-up may already have closed the program (the merchant took an update).
    if (!ui.IsWindowOpen(WindowId::Main) || probes.Finished())
        return 0;
    QApplication::exec();
    return 0;
}

} // namespace
} // namespace dalmiro

int main(int argc, char** argv) {
    try {
        return dalmiro::ProgramStart(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "dalmiro: %s\n", error.what());
    } catch (...) {
        std::fputs("dalmiro: unexpected error\n", stderr);
    }
    return 1;
}
