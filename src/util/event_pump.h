#pragma once
// The hook through which long loops let pending window events run. util knows nothing of
// windows: the application installs the hook; without one, PumpEvents does nothing.
#include <functional>

namespace dalmiro {

// Installs the hook (an empty function removes it). Not thread-safe against PumpEvents; install
// it once at start-up, before any loop runs.
void SetEventPump(std::function<void()> pump);
// Lets pending window events run, through the installed hook.
void PumpEvents();

} // namespace dalmiro
