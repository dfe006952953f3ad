#pragma once
// A synthetic market-analysis reply for the regular-expression benchmarks: one line of JSON day
// records with the fields the market pattern reads, mixed with Chinese text, as the back office
// sends it (UTF-8). The same size always gives the same bytes.
#include "util/text.h"

#include <cstddef>
#include <string>

namespace dalmiro::bench {

struct MarketReply {
    std::string utf8;
    std::size_t days = 0; // day records in it: the matches the market pattern must find
};

// Day records are appended until the reply holds at least `bytes` bytes.
MarketReply MakeMarketReply(std::size_t bytes);

inline constexpr std::size_t kMarketReplyBytes = 10u << 20; // 10 MiB

// The reply of kMarketReplyBytes as the program holds it: GBK.
Text MarketReplyGbk();

struct MarketPass {
    int matches = 0;
    std::size_t groupBytes = 0; // bytes of every group text read out
};

// The program's pass over a market reply: the market pattern, then every group of every day
// record read out as GBK text.
MarketPass ReadMarketDays(const Text& reply);

} // namespace dalmiro::bench
