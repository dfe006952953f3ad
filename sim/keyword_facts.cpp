#include "keyword_facts.h"

#include "sim_text.h"
#include "vocabulary.h"

#include <algorithm>
#include <string_view>

namespace dalmiro::sim {
namespace {

// The words of `pool` in an order fixed by the keyword, leaving out those the keyword holds.
std::vector<std::string_view> Shuffled(std::span<const std::string_view> pool,
                                       const std::string& keyword, std::string_view salt) {
    std::vector<std::string_view> words;
    for (std::string_view w : pool) {
        if (keyword.find(w) == std::string::npos) {
            words.push_back(w);
        }
    }
    std::stable_sort(words.begin(), words.end(), [&](std::string_view a, std::string_view b) {
        return Derived(keyword + std::string(a), salt, 0, 1'000'000) <
               Derived(keyword + std::string(b), salt, 0, 1'000'000);
    });
    return words;
}

} // namespace

std::vector<std::string> DerivedOtherAds(const std::string& keyword) {
    std::vector<std::string> ids;
    for (int i = 0; i < kRankedAdCount; ++i) {
        ids.push_back(Digits(
            Derived(keyword + "#" + std::to_string(i), "ad", 500'000'000'000, 599'999'999'999)));
    }
    return ids;
}

int DerivedRankPosition(const std::string& keyword, const std::string& itemId) {
    long long h = Derived(keyword + "|" + itemId, "rank", 0, 99);
    if (h < 15) {
        return 0;
    }
    return 1 + static_cast<int>(h % kRankedAdCount);
}

std::vector<SimMarketDay> DerivedMarketDays(const std::string& keyword) {
    std::vector<SimMarketDay> days;
    long long base = Derived(keyword, "impression", 800, 60'000);
    for (int d = 0; d < kMarketDayCount; ++d) {
        std::string key = keyword + "#" + std::to_string(d);
        SimMarketDay day;
        day.impression = base * Derived(key, "swing", 80, 120) / 100;
        day.ctr = Derived(key, "ctr", 1, 12);
        day.click = day.impression * day.ctr / 100;
        day.price = Derived(key, "price", 30, 400);
        day.competition = Derived(key, "competition", 20, 900);
        day.cvr = Derived(key, "cvr", 1, 9);
        day.avgPrice = Derived(key, "avgPrice", 30, 400);
        days.push_back(day);
    }
    return days;
}

std::vector<std::string> DerivedRelatedWords(const std::string& keyword) {
    std::vector<std::string> words;
    if (keyword.empty()) {
        return words;
    }
    for (std::string_view attr : Shuffled(AttributeWords(), keyword, "related")) {
        if (words.size() == 8) {
            break;
        }
        words.push_back(std::string(attr) + keyword);
    }
    return words;
}

std::vector<SimRelatedWord> DerivedRelatedWordFigures(const std::string& keyword) {
    std::vector<SimRelatedWord> words;
    if (keyword.empty()) {
        return words;
    }
    for (std::string_view attr : Shuffled(AttributeWords(), keyword, "figures")) {
        if (words.size() == 6) {
            break;
        }
        SimRelatedWord w;
        w.word = keyword + std::string(attr);
        long long pv = Derived(w.word, "pv", 100, 90'000);
        long long ctr = Derived(w.word, "ctr", 50, 800); // hundredths of a percent
        long long avgPrice = Derived(w.word, "avgPrice", 30, 400);
        w.pv = Digits(pv);
        w.click = Digits(pv * ctr / 10'000);
        w.avgPrice = Digits(avgPrice);
        w.competition = Digits(Derived(w.word, "competition", 10, 2'000));
        w.ctr = TwoDecimals(ctr);
        w.cvr = TwoDecimals(Derived(w.word, "cvr", 20, 600));
        w.avgPriceYuan = TwoDecimals(avgPrice);
        words.push_back(std::move(w));
    }
    return words;
}

std::vector<SimSuggestion> DerivedSuggestions(const std::string& keyword) {
    std::vector<SimSuggestion> list;
    if (keyword.empty()) {
        return list;
    }
    for (std::string_view tail : Shuffled(SuggestTails(), keyword, "suggest")) {
        if (list.size() == 10) {
            break;
        }
        SimSuggestion s;
        s.typed = keyword;
        s.highlighted = std::string(tail);
        s.count = Derived(keyword + s.highlighted, "results", 100, 200'000);
        list.push_back(std::move(s));
    }
    return list;
}

long long DerivedItemCount(const std::string& keyword) {
    if (keyword.empty()) {
        return 0;
    }
    if (Derived(keyword, "scale", 0, 99) < 40) {
        return Derived(keyword, "units", 50, 9'999);
    }
    return Derived(keyword, "tenThousands", 11, 9'999) * 1'000;
}

} // namespace dalmiro::sim
