// The one QApplication of a test executable that uses real widgets, created before any test runs.
// The browser engine needs its switches before the application exists: no sandbox when running as
// root (it refuses otherwise) and no GPU offscreen.
#include <QApplication>

#include <gtest/gtest.h>

#include <unistd.h>

// Under AddressSanitizer: the browser engine's own code (libQt6WebEngineCore, not instrumented)
// frees some objects through a base type of another size when a page closes, which the sanitizer
// reports as a new-delete size mismatch. That check is left off; every other one stays on.
extern "C" const char* __asan_default_options() {
    return "new_delete_type_mismatch=0";
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (geteuid() == 0) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu");
    }
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
