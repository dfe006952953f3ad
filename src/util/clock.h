#pragma once
// The program's clock: the report dates and every pause go through it, so tests replace it and
// never wait for a real pause.
#include <cstdint>
#include <memory>

namespace dalmiro {

struct LocalDate {
    int year = 0;
    int month = 0; // 1..12
    int day = 0;   // 1..31
};

class Clock {
public:
    virtual ~Clock() = default;
    // Today's local calendar date.
    virtual LocalDate Today() = 0;
    // Waits `microseconds` while letting pending events run (PumpEvents) as they arrive.
    virtual void Wait(std::int32_t microseconds) = 0;
};

// The clock in use; the system clock unless a test installed another.
Clock& CurrentClock();
// Replaces the clock in use; nullptr restores the system clock. Returns the previous override.
std::shared_ptr<Clock> SetClock(std::shared_ptr<Clock> clock);

// Waits the given time through the clock in use, letting window events run meanwhile.
void WaitMicroseconds(std::int32_t microseconds);

} // namespace dalmiro
