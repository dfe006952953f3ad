// The public services' replies: suggestions read with the client's completion pattern, the search
// page's item count cut with its markers, item pages and pictures.
#include "sim_fixture.h"

#include "platform/reply_patterns.h"
#include "sim/public_routes.h"
#include "util/gbk_find.h"
#include "util/numbers.h"
#include "util/text.h"

namespace dalmiro::sim::test {
namespace {

std::string SuggestTarget(const std::string& keyword) {
    return "/sug?code=utf-8&q=" + EncodeAll(keyword) +
           "&_ksTS=1391415790937_12555&callback=jsonp12556&k=1&area=c2c&bucketid=19";
}

std::string SearchTarget(const std::string& keyword) {
    // The search page's query holds the keyword as percent-encoded GBK.
    return "/search?initiative_id=staobaoz_20131208&js=1&q=" + EncodeAll(Utf8ToGbk(keyword));
}

// The item count as the client reads it off the GBK page.
long long ReadItemCount(const std::string& gbkPage) {
    bool tenThousands = FindText(gbkPage, Gbk("万<")) > 0;
    std::string right(tenThousands ? patterns::kItemCountRightTenThousands
                                   : patterns::kItemCountRightUnits);
    int position = 1;
    Text figure = ExtractBetween(gbkPage, position, Gbk(patterns::kItemCountAnchor),
                                 Gbk(patterns::kItemCountLeft), Gbk(right), true, false);
    return static_cast<long long>(TextToNumber(figure) * (tenThousands ? 10000 : 1));
}

using PublicContract = SimFixture;

TEST_F(PublicContract, SuggestionsCarryMarkupAndCounts) {
    const std::string keyword = "连衣裙";
    HttpResult r = Get(SuggestTarget(keyword));
    ASSERT_EQ(r.status, 200);
    EXPECT_EQ(r.body.rfind("jsonp12556(", 0), 0u);
    auto matches = MatchGroups(patterns::kCompletions, r.body);
    auto expected = server.Data().Suggestions(keyword);
    ASSERT_EQ(matches.size(), expected.size());
    ASSERT_EQ(matches.size(), 10u);
    for (std::size_t i = 0; i < matches.size(); ++i) {
        EXPECT_EQ(matches[i][0], expected[i].typed + "<b>" + expected[i].highlighted + "<\\/b>");
    }
    EXPECT_NE(r.body.find("\"" + std::to_string(expected[0].count) + "\"]"), std::string::npos);
}

TEST_F(PublicContract, SuggestionsServeASetListAndNoneForAnEmptyKeyword) {
    server.Data().SetSuggestions("长裙", {{"长裙", "夏", 5}, {"长裙", "显瘦 女", 123456}});
    auto set = MatchGroups(patterns::kCompletions, Get(SuggestTarget("长裙")).body);
    ASSERT_EQ(set.size(), 2u);
    EXPECT_EQ(set[1][0], "长裙<b>显瘦 女<\\/b>");
    EXPECT_TRUE(MatchGroups(patterns::kCompletions, Get(SuggestTarget("")).body).empty());
}

TEST_F(PublicContract, SuggestCallbackIsAPlainNameOnly) {
    struct Case {
        std::string query;
        std::string start;
    } cases[] = {
        {"callback=jsonp12556", "jsonp12556({"},
        {"callback=%3Cscript%3E", "jsonp({"},
        {"", "{\"result\""},
    };
    for (const Case& c : cases) {
        HttpResult r = Get("/sug?q=" + EncodeAll("裙") + "&" + c.query);
        EXPECT_EQ(r.body.rfind(c.start, 0), 0u) << c.query << ": " << r.body.substr(0, 40);
    }
}

TEST_F(PublicContract, SearchPageCountInUnitsAndTenThousands) {
    struct Case {
        std::string keyword;
        long long count;
        std::string shown;
    } cases[] = {
        {"雪纺连衣裙", 1234, "1234"},
        {"碎花长裙", 125000, "12.5万"},
        {"韩版长裙", 10000, "1.0万"},
        {"夏季长裙", 9999, "9999"},
        {"长裙", 0, "0"},
        // A keyword ending in 万 must not add a second "万<" to a page counted in units.
        {"一万", 42, "42"},
    };
    for (const Case& c : cases) {
        server.Data().SetItemCount(c.keyword, c.count);
        HttpResult r = Get(SearchTarget(c.keyword));
        ASSERT_EQ(r.status, 200);
        EXPECT_NE(r.contentType.find("GBK"), std::string::npos);
        EXPECT_EQ(ItemCountText(c.count), c.shown);
        EXPECT_NE(r.body.find(Utf8ToGbk("共 <span class=\"num\">" + c.shown + "</span> 件宝贝")),
                  std::string::npos)
            << c.keyword;
        EXPECT_EQ(ReadItemCount(r.body), c.count) << c.keyword;
    }
}

TEST_F(PublicContract, SearchPageCountsFollowTheKeyword) {
    for (const std::string keyword : {"连衣裙", "雪纺", "碎花半身裙", "T恤", "韩版修身长裙"}) {
        HttpResult r = Get(SearchTarget(keyword));
        EXPECT_EQ(ReadItemCount(r.body), DerivedItemCount(keyword)) << keyword;
        // The page names the keyword, so it was read from the GBK query.
        EXPECT_NE(r.body.find(Utf8ToGbk(keyword)), std::string::npos);
    }
}

TEST_F(PublicContract, SearchPageEscapesTheKeyword) {
    HttpResult r = Get(SearchTarget("<script>\"x"));
    EXPECT_EQ(r.body.find("<script>"), std::string::npos);
    EXPECT_NE(r.body.find("&lt;script&gt;&quot;x"), std::string::npos);
}

TEST_F(PublicContract, ItemPagesAndPictures) {
    const SimItem item = server.Data().Campaigns()[0].items[0];
    HttpResult page = Get("/item.htm?id=" + item.itemId);
    EXPECT_EQ(page.status, 200);
    EXPECT_NE(page.body.find(item.title), std::string::npos);
    EXPECT_NE(page.body.find("/bao/uploaded" + item.imgUrl), std::string::npos);

    HttpResult picture = Get("/bao/uploaded" + item.imgUrl);
    EXPECT_EQ(picture.status, 200);
    EXPECT_EQ(picture.contentType, "image/png");
    EXPECT_EQ(picture.body.substr(0, 8), "\x89PNG\r\n\x1a\n");
    EXPECT_EQ(Get("/bao/uploaded" + item.imgUrl).body, picture.body);
    EXPECT_NE(Get("/bao/uploaded/i1/other.png").body, picture.body);

    EXPECT_EQ(Get("/item.htm?id=").status, 404);
    EXPECT_EQ(Get("/item.htm?id=12ab").status, 404);
    EXPECT_EQ(Get("/item.htm?id=500000000001").status, 200);
}

TEST_F(PublicContract, UnknownPathIsNotFound) {
    EXPECT_EQ(Get("/no/such/page.htm").status, 404);
    EXPECT_EQ(Get("/bao/uploaded/").status, 404);
}

} // namespace
} // namespace dalmiro::sim::test
