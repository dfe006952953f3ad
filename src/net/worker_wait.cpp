#include "net/worker_wait.h"

#include "util/event_pump.h"

#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

namespace dalmiro::net {

namespace {

struct Completion {
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
};

} // namespace

WorkerOutcome RunOnWorker(std::function<void()> job, std::chrono::milliseconds limit,
                          const std::shared_ptr<std::atomic<bool>>& abort) {
    using Clock = std::chrono::steady_clock;
    auto completion = std::make_shared<Completion>();
    std::thread worker;
    try {
        worker = std::thread([completion, job = std::move(job)] {
            job();
            {
                const std::lock_guard lock(completion->mutex);
                completion->done = true;
            }
            completion->finished.notify_all();
        });
    } catch (const std::system_error&) {
        return WorkerOutcome::NotStarted;
    }

    const Clock::time_point deadline = Clock::now() + limit;
    // Events run nested handlers; should one throw, the worker is told to stop and let go before
    // the exception travels on.
    auto pump = [&] {
        try {
            PumpEvents();
        } catch (...) {
            abort->store(true);
            if (worker.joinable()) {
                worker.detach();
            }
            throw;
        }
    };
    for (;;) {
        bool done = false;
        {
            std::unique_lock lock(completion->mutex);
            const Clock::time_point wake = std::min(Clock::now() + kPumpSlice, deadline);
            done = completion->finished.wait_until(lock, wake, [&] { return completion->done; });
        }
        if (done) {
            // Collect the worker, then one more turn for the events that arrived meanwhile.
            worker.join();
            pump();
            return WorkerOutcome::Finished;
        }
        if (Clock::now() >= deadline) {
            abort->store(true);
            worker.detach();
            return WorkerOutcome::TimedOut;
        }
        pump();
    }
}

} // namespace dalmiro::net
