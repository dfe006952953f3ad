#pragma once
// The event-binding table: which handler each control's or menu item's event runs. Written once;
// both Ui implementations report events and DispatchEvent finds the handler here.
#include "app/context.h"

#include <span>
#include <string_view>

namespace dalmiro {

using Handler = void (*)(AppContext&, const EventArgs&);

struct EventBinding {
    WindowId window;
    std::string_view source; // control name, window name ("MainWindow"), or menu caption
    EventKind event;
    Handler handler;
    std::string_view handlerName; // "OnGetKeywordsClicked", for tests and diagnostics
};

std::span<const EventBinding> EventBindings();

// Runs the handler bound to the event, if any. Returns whether one was bound.
bool DispatchEvent(AppContext& context, WindowId window, std::string_view source, EventKind event,
                   const EventArgs& args = {});

} // namespace dalmiro
