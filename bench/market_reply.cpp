#include "market_reply.h"

#include "platform/reply_patterns.h"
#include "util/regex_matcher.h"

#include <cstdint>

namespace dalmiro::bench {
namespace {

const char* const kWords[] = {"连衣裙",      "夏季连衣裙 新款", "雪纺连衣裙女",
                              "碎花裙 长款", "Dress 2026",      "真丝连衣裙 高端"};
const char* const kTrends[] = {"上升", "持平", "下降"};

// A small deterministic generator: the reply must be the same on every run.
struct Lcg {
    std::uint64_t state = 20261211;
    unsigned Next(unsigned bound) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<unsigned>((state >> 33) % bound);
    }
};

void AppendField(std::string& out, const char* name, const std::string& value) {
    out += '"';
    out += name;
    out += "\":\"";
    out += value;
    out += "\",";
}

// Appends one day record: the fields the market pattern reads are in its
// order, with other fields and Chinese text between them.
void AppendDay(std::string& out, Lcg& random, std::size_t day) {
    out += '{';
    AppendField(out, "date",
                "2026-" + std::to_string(1 + day % 12) + "-" + std::to_string(1 + day % 28));
    AppendField(out, "word", kWords[random.Next(std::size(kWords))]);
    AppendField(out, "impression", std::to_string(random.Next(200000)));
    AppendField(out, "click", std::to_string(random.Next(5000)));
    AppendField(out, "price", std::to_string(random.Next(900) + 10));
    AppendField(out, "ctr", std::to_string(random.Next(1000)));
    AppendField(out, "competition", std::to_string(random.Next(3000)));
    AppendField(out, "trend", kTrends[random.Next(std::size(kTrends))]);
    AppendField(out, "cvr", std::to_string(random.Next(800)));
    AppendField(out, "avgPrice", std::to_string(random.Next(900) + 10));
    out += R"("note":"数据来自直通车市场分析，仅供参考"})";
}

} // namespace

MarketReply MakeMarketReply(std::size_t bytes) {
    MarketReply reply;
    std::string& out = reply.utf8;
    out.reserve(bytes + 512);
    out = R"({"code":"200","msg":"成功","result":{"list":[)";
    Lcg random;
    for (; out.size() < bytes; ++reply.days) {
        if (reply.days > 0) {
            out += ',';
        }
        AppendDay(out, random, reply.days);
    }
    out += "]}}";
    return reply;
}

Text MarketReplyGbk() {
    return Utf8ToGbk(MakeMarketReply(kMarketReplyBytes).utf8);
}

MarketPass ReadMarketDays(const Text& reply) {
    RegexMatcher m;
    m.Create(patterns::kMarketDays, reply);
    MarketPass pass;
    pass.matches = m.MatchCount();
    const int groups = m.SubMatchCount();
    for (int i = 1; i <= pass.matches; ++i) {
        for (int g = 1; g <= groups; ++g) {
            pass.groupBytes += m.SubMatchText(i, g).size();
        }
    }
    return pass;
}

} // namespace dalmiro::bench
