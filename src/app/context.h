#pragma once
// What every handler receives: the control operations, the program state and the addresses.
// The HTTP layer is net/http.h's free functions.
#include "app/hosts.h"
#include "app/program_state.h"
#include "app/ui.h"

namespace dalmiro {

struct AppContext {
    Ui& ui;
    ProgramState& state;
    Hosts hosts;
};

} // namespace dalmiro
