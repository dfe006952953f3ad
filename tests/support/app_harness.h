#pragma once
// The application wired together for handler tests: the in-memory Ui, the program state and the
// hosts in one AppContext; events fired on the Ui reach their handlers through the binding
// table, and long loops' event pumps run the Ui's queued actions. Tests that include this link
// dalmiro_bindings and dalmiro_test_ui_support.
#include "app/bindings.h"
#include "support/memory_ui.h"
#include "util/event_pump.h"

namespace dalmiro::test {

struct AppHarness {
    explicit AppHarness(Hosts hosts = {}) : context{ui, state, std::move(hosts)} {
        ui.SetEventSink(
            [this](WindowId window, std::string_view source, EventKind event,
                   const EventArgs& args) { DispatchEvent(context, window, source, event, args); });
        SetEventPump([this] { ui.ProcessPendingEvents(); });
    }
    ~AppHarness() { SetEventPump({}); }
    AppHarness(const AppHarness&) = delete;
    AppHarness& operator=(const AppHarness&) = delete;

    MemoryUi ui;
    ProgramState state;
    AppContext context;
};

} // namespace dalmiro::test
