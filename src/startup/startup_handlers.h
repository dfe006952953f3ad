#pragma once
// The start-up sequence of MainWindow.
#include "app/context.h"

namespace dalmiro {

// MainWindow created: while the window is hidden and disabled, reads the maker's announcement
// and offers a newer version (accepting closes the program and opens the update address); then
// shows the window, opens the sign-in and counter pages, sets the announcement line and the web
// link, applies the skin, loads the status picture, clears the stop flag and sets the report
// dates.
void OnMainWindowCreated(AppContext& context, const EventArgs& args);

} // namespace dalmiro
