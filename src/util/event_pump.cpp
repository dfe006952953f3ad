#include "util/event_pump.h"

#include <utility>

namespace dalmiro {
namespace {

std::function<void()>& Hook() {
    static std::function<void()> hook;
    return hook;
}

} // namespace

void SetEventPump(std::function<void()> pump) {
    Hook() = std::move(pump);
}

void PumpEvents() {
    const auto& hook = Hook();
    if (hook) {
        hook();
    }
}

} // namespace dalmiro
