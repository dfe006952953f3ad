#include "util/clock.h"

#include "support/fake_clock.h"
#include "util/event_pump.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace dalmiro {
namespace {

class WaitTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetEventPump([this] { ++pumps; });
    }
    void TearDown() override { SetEventPump({}); }
    int pumps = 0;
};

TEST_F(WaitTest, WaitMicrosecondsGoesThroughTheInstalledClock) {
    auto fake = std::make_shared<FakeClock>();
    {
        ScopedClock scoped(fake);
        EXPECT_EQ(&CurrentClock(), fake.get());
        WaitMicroseconds(2'500'000);
        WaitMicroseconds(0);
        WaitMicroseconds(-3);
        WaitMicroseconds(1000);
    }
    EXPECT_EQ(fake->Waits(), (std::vector<std::int32_t>{2'500'000, 0, -3, 1000}));
    EXPECT_EQ(fake->ElapsedMicroseconds(), 2'501'000);
    EXPECT_EQ(pumps, 4);
    // The scope put the system clock back.
    EXPECT_NE(&CurrentClock(), fake.get());
}

TEST_F(WaitTest, SetClockReturnsThePreviousOverride) {
    auto first = std::make_shared<FakeClock>(LocalDate{2023, 1, 2});
    auto second = std::make_shared<FakeClock>(LocalDate{2024, 12, 31});
    EXPECT_EQ(SetClock(first), nullptr);
    EXPECT_EQ(SetClock(second), first);
    EXPECT_EQ(CurrentClock().Today().year, 2024);
    second->SetToday({2025, 3, 4});
    EXPECT_EQ(CurrentClock().Today().day, 4);
    EXPECT_EQ(SetClock(nullptr), second);
}

TEST_F(WaitTest, SystemClockGivesAPlausibleDate) {
    const LocalDate today = CurrentClock().Today();
    EXPECT_GE(today.year, 2024);
    EXPECT_GE(today.month, 1);
    EXPECT_LE(today.month, 12);
    EXPECT_GE(today.day, 1);
    EXPECT_LE(today.day, 31);
}

TEST_F(WaitTest, RealWaitLetsEventsRun) {
    WaitMicroseconds(30'000);
    EXPECT_GE(pumps, 1);
}

TEST_F(WaitTest, RealWaitOfNothingReturnsWithoutPumping) {
    WaitMicroseconds(0);
    WaitMicroseconds(-1'000'000);
    EXPECT_EQ(pumps, 0);
}

TEST_F(WaitTest, PumpedHandlerMayWaitAgain) {
    // A stop command running inside a pause may itself pause: the clock must not deadlock.
    auto fake = std::make_shared<FakeClock>();
    ScopedClock scoped(fake);
    bool nested = false;
    SetEventPump([&] {
        if (!nested) {
            nested = true;
            WaitMicroseconds(5);
        }
    });
    WaitMicroseconds(10);
    EXPECT_EQ(fake->Waits(), (std::vector<std::int32_t>{10, 5}));
}

} // namespace
} // namespace dalmiro
