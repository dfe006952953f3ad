#include "app/program_state.h"
#include "support/fake_clock.h"

#include <gtest/gtest.h>

namespace dalmiro {
namespace {

TEST(SetReportDates, EndsTheDayBeforeAndStartsSevenDaysBefore) {
    struct Case {
        LocalDate today;
        const char* end;
        const char* start;
    };
    const Case cases[] = {
        {{2013, 3, 1}, "2013-2-28", "2013-2-22"}, // across a month end
        {{2014, 1, 2}, "2014-1-1", "2013-12-26"}, // across a year end
        {{2012, 3, 1}, "2012-2-29", "2012-2-23"}, // leap year
        {{2100, 3, 1}, "2100-2-28", "2100-2-22"}, // a century year without 29 February
        {{2013, 5, 10}, "2013-5-9", "2013-5-3"},  // no leading zeros
        {{2013, 12, 25}, "2013-12-24", "2013-12-18"},
    };
    for (const Case& c : cases) {
        FakeClock clock(c.today);
        ProgramState state;
        SetReportDates(state, clock);
        EXPECT_EQ(state.report.end, c.end);
        EXPECT_EQ(state.report.start, c.start);
    }
}

TEST(SetReportDates, ReadsTheClockInUseByDefault) {
    ScopedClock installed(std::make_shared<FakeClock>(LocalDate{2013, 3, 1}));
    ProgramState state;
    SetReportDates(state);
    EXPECT_EQ(state.report.end, "2013-2-28");
    EXPECT_EQ(state.report.start, "2013-2-22");
}

} // namespace
} // namespace dalmiro
