#pragma once
// A synthetic market-analysis reply for the regular-expression benchmarks: one line of JSON day
// records with the fields the market pattern reads, mixed with Chinese text, as the back office
// sends it (UTF-8). The same size always gives the same bytes.
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

} // namespace dalmiro::bench
