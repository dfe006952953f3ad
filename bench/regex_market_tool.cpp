#include "market_reply.h"
#include "platform/reply_patterns.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

// Helper of bench/regex_vs_grep.sh:
//   regex_market_tool pattern        prints the market pattern
//   regex_market_tool write FILE     writes the 10 MiB synthetic market reply (GBK) to FILE
//   regex_market_tool time FILE [N]  runs the RegexMatcher pass over FILE N times (default 5) and
//                                    prints the best time in seconds and the match count

namespace {

using namespace dalmiro;

int Usage() {
    std::cerr << "usage: regex_market_tool pattern | write FILE | time FILE [RUNS]\n";
    return 2;
}

int Write(const char* path) {
    const Text reply = bench::MarketReplyGbk();
    std::ofstream out(path, std::ios::binary);
    out.write(reply.data(), static_cast<std::streamsize>(reply.size()));
    if (!out) {
        std::cerr << "cannot write " << path << "\n";
        return 1;
    }
    return 0;
}

int Time(const char* path, int runs) {
    std::ifstream in(path, std::ios::binary);
    const Text reply((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.eof() && !in) {
        std::cerr << "cannot read " << path << "\n";
        return 1;
    }
    double best = 1e9;
    int matches = 0;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const bench::MarketPass pass = bench::ReadMarketDays(reply);
        matches = pass.matches;
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
        if (pass.groupBytes == 0 && matches > 0) {
            std::cerr << "groups came back empty\n";
            return 1;
        }
    }
    std::printf("%.4f %d\n", best, matches);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "pattern") == 0) {
        std::cout << patterns::kMarketDays << "\n";
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "write") == 0) {
        return Write(argv[2]);
    }
    if ((argc == 3 || argc == 4) && std::strcmp(argv[1], "time") == 0) {
        return Time(argv[2], argc == 4 ? std::max(1, std::atoi(argv[3])) : 5);
    }
    return Usage();
}
