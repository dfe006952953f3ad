// The server's life cycle and its answers under concurrent use.
#include "sim_fixture.h"

#include "platform/reply_patterns.h"

#include <httplib.h>

#include <future>
#include <thread>

namespace dalmiro::sim::test {
namespace {

TEST(SimServerLifeCycle, StartsOnceOnAFreeOrGivenPortAndStopsTwice) {
    SimServer first;
    EXPECT_EQ(first.BaseUrl(), "");
    ASSERT_TRUE(first.Start());
    EXPECT_TRUE(first.IsRunning());
    EXPECT_EQ(first.BaseUrl(), "http://127.0.0.1:" + std::to_string(first.Port()));
    EXPECT_FALSE(first.Start()) << "already started";

    SimServer second;
    EXPECT_FALSE(second.Start(first.Port())) << "port in use";

    first.Stop();
    EXPECT_FALSE(first.IsRunning());
    first.Stop();
}

TEST(SimServerLifeCycle, DestructorReleasesHeldRequests) {
    std::future<bool> held;
    {
        SimServer server;
        ASSERT_TRUE(server.Start());
        server.SetFault("*", Fault::Hang());
        int port = server.Port();
        held = std::async(std::launch::async, [port] {
            httplib::Client client("127.0.0.1", port);
            client.set_read_timeout(60, 0);
            return static_cast<bool>(client.Get("/maker/"));
        });
        // Gives the request time to reach the server; the outcome does not depend on it.
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    held.get(); // returns once the server has gone, whatever it answered
}

using Concurrency = SimFixture;

TEST_F(Concurrency, ParallelBidUpdatesAllLand) {
    SignIn();
    SimCampaign campaign = server.Data().Campaigns()[0];
    const SimItem& item = campaign.items[0];
    std::vector<std::future<void>> workers;
    for (std::size_t i = 0; i < item.keywords.size(); ++i) {
        workers.push_back(std::async(std::launch::async, [&, i] {
            for (int round = 1; round <= 5; ++round) {
                Post("/bidword/updatePrice.htm",
                     "keywords=" +
                         EncodeAll("[{\"keywordId\":\"" + item.keywords[i].keywordId +
                                   "\",\"maxPrice\":" + std::to_string(1000 + 10 * i + round) +
                                   "}]") +
                         "&token=" + token,
                     cookie);
                Get("/bidword/list.htm?campaignId=" + campaign.campaignId +
                        "&adGroupId=" + item.adGroupId + "&queryWord=",
                    cookie);
            }
        }));
    }
    for (auto& w : workers) {
        w.get();
    }
    for (std::size_t i = 0; i < item.keywords.size(); ++i) {
        EXPECT_EQ(server.Data().FindKeyword(item.keywords[i].keywordId)->maxPriceFen,
                  static_cast<long long>(1000 + 10 * i + 5));
    }
}

TEST_F(Concurrency, QueryValuesKeepTheirEncodedSeparators) {
    server.Data().SetSuggestions("&a=b", {{"&a=b", "c", 1}});
    auto matches = MatchGroups(patterns::kCompletions, Get("/sug?q=%26a%3Db&callback=cb").body);
    ASSERT_EQ(matches.size(), 1u);
    EXPECT_EQ(matches[0][0], "&a=b<b>c<\\/b>");
}

} // namespace
} // namespace dalmiro::sim::test
