#include "market_reply.h"
#include "platform/reply_patterns.h"
#include "util/regex_matcher.h"

#include <benchmark/benchmark.h>

// The heaviest use of RegexMatcher in the program: the market pattern over a large market-analysis
// reply, every group of every day record read out as GBK text.

namespace dalmiro {
namespace {

const Text& MarketReply() {
    static const Text reply = bench::MarketReplyGbk();
    return reply;
}

void BM_MarketDaysAllGroups(benchmark::State& state) {
    const Text& reply = MarketReply();
    int matches = 0;
    for (auto _ : state) {
        const bench::MarketPass pass = bench::ReadMarketDays(reply);
        matches = pass.matches;
        benchmark::DoNotOptimize(pass.groupBytes);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(reply.size()));
    state.counters["matches"] = matches;
}
BENCHMARK(BM_MarketDaysAllGroups)->Unit(benchmark::kMillisecond);

// The search alone, without reading the groups.
void BM_MarketDaysCreateOnly(benchmark::State& state) {
    const Text& reply = MarketReply();
    for (auto _ : state) {
        RegexMatcher m;
        m.Create(patterns::kMarketDays, reply);
        benchmark::DoNotOptimize(m.MatchCount());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(reply.size()));
}
BENCHMARK(BM_MarketDaysCreateOnly)->Unit(benchmark::kMillisecond);

// A typical campaign-list reply: small, many short searches.
void BM_CampaignsSmallReply(benchmark::State& state) {
    Text reply = R"re({"result":{"items":[)re";
    for (int i = 0; i < 20; ++i) {
        reply += R"re({"campaignId":")re" + std::to_string(1000 + i) + R"re(","title":")re" +
                 Gbk("店铺推广计划") + std::to_string(i) + R"re(","budget":"3000"},)re";
    }
    reply += "]}}";
    for (auto _ : state) {
        RegexMatcher m;
        m.Create(patterns::kCampaigns, reply);
        for (int i = 1; i <= m.MatchCount(); ++i) {
            benchmark::DoNotOptimize(m.SubMatchText(i, 2));
        }
    }
}
BENCHMARK(BM_CampaignsSmallReply)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace dalmiro
