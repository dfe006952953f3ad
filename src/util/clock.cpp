#include "util/clock.h"

#include "util/event_pump.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <mutex>
#include <thread>

namespace dalmiro {
namespace {

// Waits sleep in slices this long and let pending events run between them, so the window
// repaints and a stop command can run during a long pause.
constexpr std::chrono::milliseconds kWaitSlice{10};

class SystemClock final : public Clock {
  public:
    LocalDate Today() override {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
#ifdef _WIN32
        localtime_s(&local, &now);
#else
        localtime_r(&now, &local);
#endif
        return LocalDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
    }

    void Wait(std::int32_t microseconds) override {
        if (microseconds <= 0) {
            return;
        }
        using Steady = std::chrono::steady_clock;
        const auto deadline = Steady::now() + std::chrono::microseconds(microseconds);
        for (;;) {
            const auto remaining = deadline - Steady::now();
            if (remaining <= Steady::duration::zero()) {
                return;
            }
            std::this_thread::sleep_for(std::min<Steady::duration>(remaining, kWaitSlice));
            PumpEvents();
        }
    }
};

SystemClock& TheSystemClock() {
    static SystemClock clock;
    return clock;
}

std::mutex& OverrideMutex() {
    static std::mutex mutex;
    return mutex;
}

std::shared_ptr<Clock>& Override() {
    static std::shared_ptr<Clock> clock;
    return clock;
}

std::shared_ptr<Clock> CurrentOverride() {
    std::lock_guard lock(OverrideMutex());
    return Override();
}

} // namespace

Clock& CurrentClock() {
    // The override stays alive as long as whoever installed it keeps it (SetClock hands the
    // previous one back), so the reference outlives this lock.
    const std::shared_ptr<Clock> clock = CurrentOverride();
    if (clock) {
        return *clock;
    }
    return TheSystemClock();
}

std::shared_ptr<Clock> SetClock(std::shared_ptr<Clock> clock) {
    std::lock_guard lock(OverrideMutex());
    std::swap(Override(), clock);
    return clock;
}

void WaitMicroseconds(std::int32_t microseconds) {
    // Holds the clock for the whole wait, even if another thread replaces it meanwhile.
    const std::shared_ptr<Clock> clock = CurrentOverride();
    if (clock) {
        clock->Wait(microseconds);
    } else {
        TheSystemClock().Wait(microseconds);
    }
}

} // namespace dalmiro
