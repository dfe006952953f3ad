#pragma once
// A QtUi whose events are recorded instead of dispatched, and helpers to wait for Qt.
#include "gui/qt_ui.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace dalmiro::test {

struct RecordedEvent {
    WindowId window;
    std::string source;
    EventKind kind;
    EventArgs args;
};

class GuiFixture : public testing::Test {
  protected:
    GuiFixture() {
        ui.SetEventSink([this](WindowId window, std::string_view source, EventKind kind,
                               const EventArgs& args) {
            events.push_back({window, std::string(source), kind, args});
        });
        ui.SetAddressOpener([this](const std::string& url) { opened.push_back(url); });
    }

    // Lets Qt run until `done` holds or `limitMs` has passed; returns `done()`. The limit only
    // keeps a broken build from hanging; no result depends on how long it took.
    static bool WaitUntil(const std::function<bool()>& done, int limitMs = 20000) {
        QElapsedTimer timer;
        timer.start();
        while (!done() && timer.elapsed() < limitMs)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        return done();
    }

    QtUi ui;
    std::vector<RecordedEvent> events;
    std::vector<std::string> opened;
};

} // namespace dalmiro::test
