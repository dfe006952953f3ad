// Round trips of HttpRequest and HttpGet against a loopback server that answers at once, beside
// plain libcurl on the calling thread and on a fresh thread, to show what handing each call to a
// (reused) worker costs.
//
// The server is the substitute services (sim/) started in-process, or the one named by the
// environment variable DALMIRO_BENCH_BASE ("http://127.0.0.1:PORT"), which http_vs_curl.sh uses
// so that the curl command line and these benchmarks talk to the same server.
#include "net/curl_handles.h"
#include "net/http.h"
#include "net/worker_wait.h"
#include "sim/sim_server.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <thread>

namespace {

constexpr const char* kPath = "/maker/status.gif";

const std::string& BaseUrl() {
    static std::unique_ptr<dalmiro::sim::SimServer> server;
    static const std::string base = [] {
        if (const char* given = std::getenv("DALMIRO_BENCH_BASE"); given != nullptr && *given) {
            return std::string(given);
        }
        server = std::make_unique<dalmiro::sim::SimServer>();
        return server->Start() ? server->BaseUrl() : std::string();
    }();
    return base;
}

void SetRate(benchmark::State& state) {
    state.counters["requests/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_HttpRequestGet(benchmark::State& state) {
    const std::string url = BaseUrl() + kPath;
    for (auto _ : state) {
        const dalmiro::Bytes reply = dalmiro::HttpRequest(url);
        if (reply.empty()) {
            state.SkipWithError("empty reply");
            break;
        }
        benchmark::DoNotOptimize(reply.data());
    }
    SetRate(state);
}
BENCHMARK(BM_HttpRequestGet)->UseRealTime();

void BM_HttpGet(benchmark::State& state) {
    const std::string url = BaseUrl() + kPath;
    for (auto _ : state) {
        const dalmiro::Bytes reply = dalmiro::HttpGet(url);
        if (reply.empty()) {
            state.SkipWithError("empty reply");
            break;
        }
        benchmark::DoNotOptimize(reply.data());
    }
    SetRate(state);
}
BENCHMARK(BM_HttpGet)->UseRealTime();

size_t Discard(char*, size_t size, size_t count, void*) {
    return size * count;
}

// The same round trip with one libcurl handle per request on the calling thread: no worker,
// no cookie store, no header rules.
void BM_PlainLibcurl(benchmark::State& state) {
    const std::string url = BaseUrl() + kPath;
    for (auto _ : state) {
        dalmiro::net::CurlEasy easy = dalmiro::net::NewCurlEasy();
        curl_easy_setopt(easy.get(), CURLOPT_URL, url.c_str());
        curl_easy_setopt(easy.get(), CURLOPT_WRITEFUNCTION, Discard);
        if (curl_easy_perform(easy.get()) != CURLE_OK) {
            state.SkipWithError("transfer failed");
            break;
        }
    }
    SetRate(state);
}
BENCHMARK(BM_PlainLibcurl)->UseRealTime();

// The same plain transfer, each on a thread of its own joined at once: what a fresh thread per
// transfer costs on this machine, without the rest of HttpRequest.
void BM_PlainLibcurlOnNewThread(benchmark::State& state) {
    const std::string url = BaseUrl() + kPath;
    for (auto _ : state) {
        CURLcode code = CURLE_OK;
        std::thread worker([&] {
            dalmiro::net::CurlEasy easy = dalmiro::net::NewCurlEasy();
            curl_easy_setopt(easy.get(), CURLOPT_URL, url.c_str());
            curl_easy_setopt(easy.get(), CURLOPT_WRITEFUNCTION, Discard);
            code = curl_easy_perform(easy.get());
        });
        worker.join();
        if (code != CURLE_OK) {
            state.SkipWithError("transfer failed");
            break;
        }
    }
    SetRate(state);
}
BENCHMARK(BM_PlainLibcurlOnNewThread)->UseRealTime();

// The worker alone: hand it an empty job and wait for it with the event pump.
void BM_WorkerRoundTrip(benchmark::State& state) {
    for (auto _ : state) {
        auto abort = std::make_shared<std::atomic<bool>>(false);
        benchmark::DoNotOptimize(dalmiro::net::RunOnWorker([] {}, std::chrono::seconds(10), abort));
    }
    SetRate(state);
}
BENCHMARK(BM_WorkerRoundTrip)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
