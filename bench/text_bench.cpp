// Conversion speed of whole reply bodies: 10 MiB of mixed Chinese and ASCII text, as a back-office
// JSON reply of keyword records looks.
#include "util/gbk_find.h"
#include "util/text.h"
#include "util/url_encode.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr std::size_t kTenMiB = 10u << 20;

// One keyword record: ASCII field names and numbers around Chinese keyword text.
std::string MixedUtf8(std::size_t size) {
    const std::string record =
        "{\"word\":\"\xE8\xBF\x9E\xE8\xA1\xA3\xE8\xA3\x99\xE5\xA5\xB3\xE5\xA4\x8F\","
        "\"price\":\"0.35\",\"pv\":12345,\"note\":\"\xE4\xB8\xAD\xE6\x96\x87\xE6\xA0\x87"
        "\xE9\xA2\x98 ok\"},\n";
    std::string text;
    text.reserve(size + record.size());
    while (text.size() < size) {
        text += record;
    }
    return text;
}

const std::string& Utf8Input() {
    static const std::string text = MixedUtf8(kTenMiB);
    return text;
}

const std::string& GbkInput() {
    static const std::string text = dalmiro::Utf8ToGbk(Utf8Input());
    return text;
}

void BM_Utf8ToGbk(benchmark::State& state) {
    const std::string& in = Utf8Input();
    for (auto _ : state) {
        benchmark::DoNotOptimize(dalmiro::Utf8ToGbk(in));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * in.size()));
}
BENCHMARK(BM_Utf8ToGbk)->Unit(benchmark::kMillisecond);

void BM_GbkToUtf8(benchmark::State& state) {
    const std::string& in = GbkInput();
    for (auto _ : state) {
        benchmark::DoNotOptimize(dalmiro::GbkToUtf8(in));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * in.size()));
}
BENCHMARK(BM_GbkToUtf8)->Unit(benchmark::kMillisecond);

void BM_Utf8ToGbkAscii(benchmark::State& state) {
    const std::string in(kTenMiB, 'a');
    for (auto _ : state) {
        benchmark::DoNotOptimize(dalmiro::Utf8ToGbk(in));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * in.size()));
}
BENCHMARK(BM_Utf8ToGbkAscii)->Unit(benchmark::kMillisecond);

// ExtractBetween over a whole GBK reply whose marker sits at the end.
void BM_ExtractBetweenAtEnd(benchmark::State& state) {
    const std::string in = GbkInput() + "\"token\":\"abc\",\"operName";
    for (auto _ : state) {
        int position = 1;
        benchmark::DoNotOptimize(dalmiro::ExtractBetween(in, position, "\"token\":\"", "",
                                                         "\",\"operName", true, false));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * in.size()));
}
BENCHMARK(BM_ExtractBetweenAtEnd)->Unit(benchmark::kMillisecond);

} // namespace
