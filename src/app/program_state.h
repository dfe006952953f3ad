#pragma once
// Program-wide state, grouped by the part of the program that owns it. One object, created at
// start-up and handed to every handler through AppContext; nothing is kept between runs.
#include "util/clock.h"
#include "util/text.h"

#include <atomic>
#include <string>
#include <vector>

namespace dalmiro {

// 1-based tables: entry N belongs to combo-box item N-1. They grow as needed; an entry never
// written reads as empty (0 for numbers).
template <typename T> class OneBasedTable {
  public:
    const T& At(int n) const {
        static const T empty{};
        return n >= 1 && n <= static_cast<int>(entries_.size()) ? entries_[n - 1] : empty;
    }
    void Set(int n, T value) {
        if (n < 1)
            return;
        if (n > static_cast<int>(entries_.size()))
            entries_.resize(n);
        entries_[n - 1] = std::move(value);
    }
    int Size() const { return static_cast<int>(entries_.size()); }

  private:
    std::vector<T> entries_;
};

// The back-office session and the ids behind the two combo boxes of the second tab.
struct PlatformState {
    OneBasedTable<long long> campaignIds;
    OneBasedTable<Text> adGroupIds;
    OneBasedTable<Text> promotedItemIds;
    OneBasedTable<Text> promotedItemImagePaths;
    Text loginToken;
    // Set while a campaign, promoted-item or keyword load fills its lists; events run between
    // items, and a second press meanwhile must not interleave a second load with the first.
    bool loading = false;
};

// The date range sent with every market-data query ("2013-2-22" … "2013-2-28").
struct ReportDates {
    Text start;
    Text end;
};

// The ranking window's run state.
struct AnalysisState {
    Text currentKeyword;
    int loadingRow = 0;
    Text lastRankReply;
};

// The shell's own state.
struct ShellState {
    // The command-line arguments the program was started with (without the program name), so a
    // restart starts it again with the same options.
    std::vector<std::string> startArguments;
};

struct ProgramState {
    PlatformState platform;
    ReportDates report;
    AnalysisState analysis;
    ShellState shell;
    // One flag for both keyword loops: 1 asks the running loop to end after its current keyword.
    std::atomic<int> stopRequested{0};
};

// The stop flag of the keyword loops.
inline void RequestStop(ProgramState& state) {
    state.stopRequested = 1;
}
inline void ClearStop(ProgramState& state) {
    state.stopRequested = 0;
}
inline bool StopRequested(const ProgramState& state) {
    return state.stopRequested != 0;
}

// Sets the report range from the clock's date: the end is the day before, the start seven days
// before, each written "year-month-day" without leading zeros ("2013-2-28"). Set once at start-up
// and not refreshed, so a program left running past midnight keeps the range of its start day.
void SetReportDates(ProgramState& state, Clock& clock = CurrentClock());
// The date `days` calendar days before `date`, across month and year ends.
LocalDate DaysBefore(const LocalDate& date, int days);
// "2013-2-28".
Text FormatReportDate(const LocalDate& date);

} // namespace dalmiro
