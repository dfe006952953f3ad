#pragma once
// Program-wide state, grouped by the part of the program that owns it. One object, created at
// start-up and handed to every handler through AppContext; nothing is kept between runs.
#include "util/text.h"

#include <atomic>
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

struct ProgramState {
    PlatformState platform;
    ReportDates report;
    AnalysisState analysis;
    // One flag for both keyword loops: 1 asks the running loop to end after its current keyword.
    std::atomic<int> stopRequested{0};
};

} // namespace dalmiro
