#pragma once
// A clock for tests: a settable date, and waits that take no real time. Each wait is recorded,
// advances a virtual time and lets pending events run once, as a real pause would.
#include "util/clock.h"
#include "util/event_pump.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

namespace dalmiro {

class FakeClock : public Clock {
  public:
    explicit FakeClock(LocalDate today = {2024, 5, 20}) : today_(today) {}

    LocalDate Today() override {
        std::lock_guard lock(mutex_);
        return today_;
    }
    void SetToday(LocalDate today) {
        std::lock_guard lock(mutex_);
        today_ = today;
    }

    void Wait(std::int32_t microseconds) override {
        {
            std::lock_guard lock(mutex_);
            waits_.push_back(microseconds);
            if (microseconds > 0) {
                elapsed_ += microseconds;
            }
        }
        PumpEvents(); // outside the lock: a pumped handler may wait again
    }

    // Every requested wait, in order, as requested (zero and negative ones included).
    std::vector<std::int32_t> Waits() const {
        std::lock_guard lock(mutex_);
        return waits_;
    }
    // The virtual time that has passed: the sum of the positive waits.
    std::int64_t ElapsedMicroseconds() const {
        std::lock_guard lock(mutex_);
        return elapsed_;
    }

  private:
    mutable std::mutex mutex_;
    LocalDate today_;
    std::vector<std::int32_t> waits_;
    std::int64_t elapsed_ = 0;
};

// Installs a clock for the lifetime of the object and puts the previous one back afterwards.
class ScopedClock {
  public:
    explicit ScopedClock(std::shared_ptr<Clock> clock) : previous_(SetClock(std::move(clock))) {}
    ~ScopedClock() { SetClock(std::move(previous_)); }
    ScopedClock(const ScopedClock&) = delete;
    ScopedClock& operator=(const ScopedClock&) = delete;

  private:
    std::shared_ptr<Clock> previous_;
};

} // namespace dalmiro
