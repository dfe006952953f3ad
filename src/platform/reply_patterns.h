#pragma once
// The patterns that read the replies of the back office and of the public search services, each
// written once. The client matches them with RegexMatcher (no options: case-insensitive,
// multiline, global); the substitute services' contract tests match their replies with the same
// constants. Source literals are UTF-8: the Chinese markers go through Gbk() before use.
// The raw strings are delimited by re( … )re because the patterns themselves contain )".
#include <string_view>

namespace dalmiro::patterns {

// Login information: the token sits between these markers (cut with ExtractBetween).
inline constexpr std::string_view kTokenLeft = R"re("token":")re";
inline constexpr std::string_view kTokenRight = R"re(","operName)re";

// Campaign list: 1 campaign id, 2 title.
inline constexpr std::string_view kCampaigns = R"re("campaignId":"(\d+)","title":"(.*?)",)re";

// Promoted items: 1 ad-group id, 2 public item id, 3 title, 4 image path.
inline constexpr std::string_view kPromotedItems =
    R"re("adGroupId":"(\d+)"[\s|\S]*?"outsideItemNumId":"(\d+)"[\s|\S]*?"title":"(.*?)"[\s|\S]*?"imgUrl":"(.*?)")re";

// Keyword list of an ad group: 1 keyword, 2 maximum bid in fen, 3 keyword id.
inline constexpr std::string_view kKeywords =
    R"re("word":"(.*?)"[\s|\S]*?"maxPrice":"(\d+)"[\s|\S]*?"keywordId":"(.*?)",)re";

// Ranking look-up: one match per ad in display order; 1 the ad's item id.
inline constexpr std::string_view kRankedAds = R"re(id=(\d+))re";

// Market analysis, one match per day record: 1 impression, 2 price, 3 ctr, 4 competition,
// 5 cvr, 6 avgPrice.
inline constexpr std::string_view kMarketDays =
    R"re("impression":"(\d+)"[\s|\S]*?"price":"(\d+)"[\s|\S]*?"ctr":"(\d+)"[\s|\S]*?"competition":"(\d+)"[\s|\S]*?"cvr":"(\d+)"[\s|\S]*?[\s|\S]*?"avgPrice":"(\d+)")re";

// Related words: 1 word.
inline constexpr std::string_view kRelatedWords = R"re("word":"(.*?)",)re";

// Related words with figures: 1 word, 2 pv, 3 click, 4 avgPrice, 5 competition, 6 ctr, 7 cvr,
// 8 avgPriceYuan.
inline constexpr std::string_view kRelatedWordsWithFigures =
    R"re({"word":"(.*?)",[\s|\S]*?{"pv":"(.*?)","click":"(.*?)","avgPrice":"(.*?)","competition":"(.*?)","ctr":"(.*?)","cvr":"(.*?)","avgPriceYuan":"(.*?)","date":)re";

// Search-suggest completions (JSONP): 1 completion, possibly with <b> markup.
inline constexpr std::string_view kCompletions = R"re(\["(.*?)","\d+")re";

// Search page item count: after the first "共 <span" and its ">", closed by one of the two.
inline constexpr std::string_view kItemCountAnchor = "共 <span";
inline constexpr std::string_view kItemCountLeft = ">";
inline constexpr std::string_view kItemCountRightUnits = "</span> 件宝贝";
inline constexpr std::string_view kItemCountRightTenThousands = "万</span> 件宝贝";

} // namespace dalmiro::patterns
