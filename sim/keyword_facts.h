#pragma once
// What the services know about a keyword, derived from the keyword's bytes alone so that every
// run and every test sees the same figures. SimData serves these unless a test has set others.
#include <string>
#include <vector>

namespace dalmiro::sim {

// One day of the market analysis. Figures are whole numbers, as the report sends them.
struct SimMarketDay {
    long long impression = 0;
    long long click = 0;
    long long price = 0; // fen
    long long ctr = 0;
    long long competition = 0;
    long long cvr = 0;
    long long avgPrice = 0; // fen
};

// A related word with its figures, each spelled as the tool sends it ("2.35", "0.85").
struct SimRelatedWord {
    std::string word;
    std::string pv;
    std::string click;
    std::string avgPrice;
    std::string competition;
    std::string ctr;
    std::string cvr;
    std::string avgPriceYuan;
};

// A search-suggest completion: what was typed followed by the highlighted rest, and how many
// results the completion finds.
struct SimSuggestion {
    std::string typed;
    std::string highlighted;
    long long count = 0;
};

inline constexpr int kRankedAdCount = 20;
inline constexpr int kMarketDayCount = 7;

// Other sellers' ads for the keyword (kRankedAdCount item ids, twelve digits each), before the
// merchant's own items are placed among them.
std::vector<std::string> DerivedOtherAds(const std::string& keyword);
// 1-based position at which the merchant's item shows for the keyword, or 0 when it ranks below
// the listed ads.
int DerivedRankPosition(const std::string& keyword, const std::string& itemId);
// Seven days, newest first.
std::vector<SimMarketDay> DerivedMarketDays(const std::string& keyword);
// Up to eight related words; none for an empty keyword.
std::vector<std::string> DerivedRelatedWords(const std::string& keyword);
// Up to six related words with figures; none for an empty keyword.
std::vector<SimRelatedWord> DerivedRelatedWordFigures(const std::string& keyword);
// Ten completions; none for an empty keyword.
std::vector<SimSuggestion> DerivedSuggestions(const std::string& keyword);
// Items the search page finds: below 10000 any whole number, from 10000 on a multiple of 1000
// (the page shows it in 万 with one decimal); 0 for an empty keyword.
long long DerivedItemCount(const std::string& keyword);

} // namespace dalmiro::sim
