#include "backoffice_routes.h"

#include "vocabulary.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <map>

namespace dalmiro::sim {
namespace {

using Handler = std::function<SimReply(const SimRequest&, SimData&, const Session&)>;

struct Route {
    bool post;
    Handler handler;
};

std::string Quoted(std::string_view name, std::string_view value) {
    return "\"" + std::string(name) + "\":\"" + JsonEscape(value) + "\"";
}

std::string Success(const std::string& result) {
    return R"({"success":true,"code":"200","msg":"操作成功","result":)" + result + "}";
}

std::string Failure(std::string_view code, std::string_view message) {
    return R"({"success":false,"code":")" + std::string(code) + R"(","msg":")" +
           JsonEscape(message) + "\"}";
}

// ---- dates of the market report ----

std::optional<std::chrono::sys_days> ParseDate(const std::string& text) {
    int y = 0;
    unsigned m = 0;
    unsigned d = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%d-%u-%u%c", &y, &m, &d, &tail) != 3) {
        return std::nullopt;
    }
    std::chrono::year_month_day date{std::chrono::year{y}, std::chrono::month{m},
                                     std::chrono::day{d}};
    if (!date.ok()) {
        return std::nullopt;
    }
    return std::chrono::sys_days{date};
}

std::string FormatDate(std::chrono::sys_days day) {
    std::chrono::year_month_day date{day};
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return buf;
}

std::string Yesterday() {
    auto today = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
    return FormatDate(today - std::chrono::days{1});
}

// ---- handlers ----

SimReply LoginInfo(const SimRequest&, SimData&, const Session& session) {
    // The token is directly followed by operName, which the client relies on.
    return JsonReply(Success(
        "{" + Quoted("token", session.token) + "," + Quoted("operName", session.loginId) + "," +
        Quoted("nickName", session.loginId) + "," +
        Quoted("memberId", Digits(Derived(session.loginId, "member", 1'000'000, 9'999'999))) +
        "}"));
}

SimReply CampaignList(const SimRequest&, SimData& data, const Session&) {
    std::string list;
    for (const SimCampaign& c : data.Campaigns()) {
        if (!list.empty()) {
            list += ",";
        }
        // campaignId directly followed by title, the title followed by a further field.
        list += "{" + Quoted("campaignId", c.campaignId) + "," + Quoted("title", c.title) + "," +
                Quoted("type", "0") + "," + Quoted("onlineStatus", "1") + "," +
                Quoted("itemCount", Digits(static_cast<long long>(c.items.size()))) + "}";
    }
    return JsonReply(Success("{\"campaigns\":[" + list + "]}"));
}

long long NumberOr(const std::string& text, long long fallback) {
    if (text.empty() || text.size() > 9 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return fallback;
    }
    return std::stoll(text);
}

SimReply AdGroupList(const SimRequest& request, SimData& data, const Session&) {
    std::string queryVO = FieldValue(request.query, "queryVO");
    std::string campaignId = JsonMember(queryVO, "campaignId");
    long long page = std::max(1LL, NumberOr(JsonMember(queryVO, "pageNumber"), 1));
    long long size = std::clamp(NumberOr(JsonMember(queryVO, "pageSize"), 200), 1LL, 200LL);
    std::vector<SimItem> items;
    if (auto campaign = data.FindCampaign(campaignId)) {
        items = campaign->items;
    }
    std::string list;
    long long first = (page - 1) * size;
    for (long long i = first; i < first + size && i < static_cast<long long>(items.size()); ++i) {
        const SimItem& item = items[static_cast<std::size_t>(i)];
        if (!list.empty()) {
            list += ",";
        }
        list += "{" + Quoted("adGroupId", item.adGroupId) + "," + Quoted("campaignId", campaignId) +
                "," + Quoted("outsideItemNumId", item.itemId) + "," + Quoted("title", item.title) +
                "," + Quoted("imgUrl", item.imgUrl) + "," +
                Quoted("keywordCount", Digits(static_cast<long long>(item.keywords.size()))) + "," +
                Quoted("onlineStatus", "1") + "}";
    }
    return JsonReply(Success("{\"pageNumber\":" + Digits(page) + ",\"pageSize\":" + Digits(size) +
                             ",\"count\":" + Digits(static_cast<long long>(items.size())) +
                             ",\"items\":[" + list + "]}"));
}

SimReply KeywordList(const SimRequest& request, SimData& data, const Session&) {
    std::string queryWord = FieldValue(request.query, "queryWord");
    std::vector<SimKeyword> keywords = data.Keywords(FieldValue(request.query, "campaignId"),
                                                     FieldValue(request.query, "adGroupId"));
    std::string list;
    long long count = 0;
    for (const SimKeyword& k : keywords) {
        if (!queryWord.empty() && k.word.find(queryWord) == std::string::npos) {
            continue;
        }
        if (!list.empty()) {
            list += ",";
        }
        ++count;
        // word … maxPrice … keywordId, the id followed by a further field.
        list += "{" + Quoted("word", k.word) + "," + Quoted("matchScope", "4") + "," +
                Quoted("maxPrice", Digits(k.maxPriceFen)) + "," +
                Quoted("qscore", Digits(Derived(k.keywordId, "qscore", 3, 10))) + "," +
                Quoted("keywordId", k.keywordId) + "," + Quoted("isDefaultPrice", "0") + "}";
    }
    return JsonReply(Success("{\"count\":" + Digits(count) + ",\"keywords\":[" + list + "]}"));
}

SimReply UpdatePrice(const SimRequest& request, SimData& data, const Session&) {
    Fields form = ParseFields(request.body);
    std::vector<std::string> objects = JsonArrayObjects(FieldValue(form, "keywords"));
    if (objects.empty()) {
        return JsonReply(Failure("603", "参数错误"));
    }
    std::vector<std::pair<std::string, long long>> changes;
    for (const std::string& object : objects) {
        std::string id = JsonMember(object, "keywordId");
        std::string price = JsonMember(object, "maxPrice");
        if (id.empty() || !data.FindKeyword(id)) {
            return JsonReply(Failure("604", "关键词不存在"));
        }
        long long fen = NumberOr(price, 0);
        if (fen <= 0) {
            return JsonReply(Failure("605", "出价无效"));
        }
        changes.emplace_back(id, fen);
    }
    // Every keyword was checked first, so a bad entry changes nothing.
    std::string list;
    for (const auto& [id, fen] : changes) {
        data.SetBid(id, fen);
        if (!list.empty()) {
            list += ",";
        }
        list += "{" + Quoted("keywordId", id) + "," + Quoted("maxPrice", Digits(fen)) + "}";
    }
    return JsonReply(Success("[" + list + "]"));
}

SimReply RankingLookup(const SimRequest& request, SimData& data, const Session&) {
    std::string keyword = FieldValue(request.query, "bidword");
    auto shops = ShopWords();
    auto attrs = AttributeWords();
    std::string list;
    int rank = 0;
    // The keyword is not echoed: its text could hold "id=" and add an ad that is not there.
    for (const std::string& id : data.RankedAdIds(keyword)) {
        ++rank;
        std::string shop = std::string(attrs[StableHash(id) % attrs.size()]) +
                           std::string(shops[StableHash("shop" + id) % shops.size()]);
        if (!list.empty()) {
            list += ",";
        }
        list += "{" + Quoted("rank", Digits(rank)) + "," + Quoted("shopName", shop) + "," +
                Quoted("link", request.baseUrl + "/item.htm?id=" + id) + "}";
    }
    return JsonReply(Success("{\"ads\":[" + list + "]}"));
}

SimReply MarketAnalysis(const SimRequest& request, SimData& data, const Session&) {
    std::string keyword = FirstJsonString(FieldValue(request.query, "bidwordstr"));
    auto end = ParseDate(FieldValue(request.query, "endDate"));
    auto start = ParseDate(FieldValue(request.query, "startDate"));
    std::optional<std::chrono::sys_days> newest = end;
    if (!newest && start) {
        newest = *start + std::chrono::days{kMarketDayCount - 1};
    }
    std::string list;
    int index = 0;
    for (const SimMarketDay& d : data.MarketDays(keyword)) {
        std::string date = newest ? FormatDate(*newest - std::chrono::days{index}) : "";
        ++index;
        if (!list.empty()) {
            list += ",";
        }
        list += "{" + Quoted("date", date) + "," + Quoted("impression", Digits(d.impression)) +
                "," + Quoted("click", Digits(d.click)) + "," + Quoted("price", Digits(d.price)) +
                "," + Quoted("ctr", Digits(d.ctr)) + "," +
                Quoted("competition", Digits(d.competition)) + "," + Quoted("cvr", Digits(d.cvr)) +
                "," + Quoted("avgPrice", Digits(d.avgPrice)) + "}";
    }
    return JsonReply(Success("[" + list + "]"));
}

SimReply RelatedWords(const SimRequest& request, SimData& data, const Session&) {
    std::string keyword = FieldValue(request.query, "bidwordstr");
    std::string list;
    for (const std::string& w : data.RelatedWords(keyword)) {
        if (!list.empty()) {
            list += ",";
        }
        // Each word directly followed by a comma and a further field.
        list += "{" + Quoted("word", w) + "," +
                Quoted("searchIndex", Digits(Derived(w, "searchIndex", 100, 50'000))) + "," +
                Quoted("competition", Digits(Derived(w, "competition", 10, 2'000))) + "}";
    }
    return JsonReply(Success("[" + list + "]"));
}

SimReply RelatedWordsWithFigures(const SimRequest& request, SimData& data, const Session&) {
    std::string keyword = FieldValue(request.query, "bidword");
    std::string date = Yesterday();
    std::string list;
    for (const SimRelatedWord& w : data.RelatedWordFigures(keyword)) {
        if (!list.empty()) {
            list += ",";
        }
        // The object starts with its word; the figures follow in an inner object in this order.
        list += "{" + Quoted("word", w.word) + "," +
                Quoted("wordId", Digits(Derived(w.word, "wordId", 100'000, 999'999))) +
                ",\"data\":[{" + Quoted("pv", w.pv) + "," + Quoted("click", w.click) + "," +
                Quoted("avgPrice", w.avgPrice) + "," + Quoted("competition", w.competition) + "," +
                Quoted("ctr", w.ctr) + "," + Quoted("cvr", w.cvr) + "," +
                Quoted("avgPriceYuan", w.avgPriceYuan) + "," + Quoted("date", date) + "}]}";
    }
    return JsonReply(Success("[" + list + "]"));
}

const std::map<std::string, Route, std::less<>>& Routes() {
    static const std::map<std::string, Route, std::less<>> routes = {
        {"/bpenv/getLoginUserInfo.htm", {false, LoginInfo}},
        {"/campaign/getCampaignDetailInfo.htm", {false, CampaignList}},
        {"/adgroup/adGroupList.htm", {false, AdGroupList}},
        {"/bidword/list.htm", {false, KeywordList}},
        {"/bidword/updatePrice.htm", {true, UpdatePrice}},
        {"/insight/doWhois.htm", {false, RankingLookup}},
        {"/report/getMarketAnalysis.htm", {true, MarketAnalysis}},
        {"/report/getRelatedBidwordList.htm", {true, RelatedWords}},
        {"/insight/loadRelWord4Bidword.htm", {true, RelatedWordsWithFigures}},
    };
    return routes;
}

} // namespace

std::optional<SimReply> RouteBackOffice(const SimRequest& request, SimData& data,
                                        const SessionStore& sessions) {
    auto it = Routes().find(request.path);
    if (it == Routes().end()) {
        return std::nullopt;
    }
    std::optional<Session> session = sessions.Find(SessionIdFromCookieHeader(request.cookies));
    if (!session) {
        return JsonReply(std::string(kNotSignedInReply));
    }
    const Route& route = it->second;
    if (route.post) {
        if (request.method != "POST") {
            return JsonReply(std::string(kWrongMethodReply), 405);
        }
        // The client appends the token as it stands; a decoded match counts as well.
        if (RawFieldValue(request.body, "token") != session->token &&
            FieldValue(ParseFields(request.body), "token") != session->token) {
            return JsonReply(std::string(kBadTokenReply));
        }
    }
    return route.handler(request, data, *session);
}

} // namespace dalmiro::sim
