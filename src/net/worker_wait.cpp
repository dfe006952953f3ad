#include "net/worker_wait.h"

#include "util/event_pump.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <system_error>
#include <thread>

namespace dalmiro::net {

namespace {

// Worker threads kept for reuse. Every job gets a worker of its own at once: an idle worker when
// there is one, a new thread otherwise. Starting a thread per request cost more than the request
// itself on loopback, so finished workers wait a while for the next job before they end.
class WorkerPool {
  public:
    // Hands `job` to a worker; false when no thread could be started for it.
    bool Submit(std::function<void()> job) {
        std::unique_lock lock(shared_->mutex);
        shared_->jobs.push_back(std::move(job));
        if (shared_->idle >= static_cast<int>(shared_->jobs.size())) {
            lock.unlock();
            shared_->wake.notify_one();
            return true;
        }
        try {
            std::thread([shared = shared_] { Serve(*shared); }).detach();
        } catch (const std::system_error&) {
            shared_->jobs.pop_back();
            return false;
        }
        return true;
    }

  private:
    static constexpr std::chrono::seconds kIdleLifetime{30};

    struct Shared {
        std::mutex mutex;
        std::condition_variable wake;
        std::deque<std::function<void()>> jobs;
        int idle = 0;
    };

    static void Serve(Shared& shared) {
        std::unique_lock lock(shared.mutex);
        for (;;) {
            ++shared.idle;
            const bool gotJob =
                shared.wake.wait_for(lock, kIdleLifetime, [&] { return !shared.jobs.empty(); });
            --shared.idle;
            if (!gotJob) {
                return;
            }
            std::function<void()> job = std::move(shared.jobs.front());
            shared.jobs.pop_front();
            lock.unlock();
            job();
            job = nullptr; // release what the job owns before waiting again
            lock.lock();
        }
    }

    // Held by every worker too, so the pool outlives static destruction while workers run.
    std::shared_ptr<Shared> shared_ = std::make_shared<Shared>();
};

WorkerPool& Pool() {
    static WorkerPool pool;
    return pool;
}

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
    const bool started = Pool().Submit([completion, job = std::move(job)] {
        job();
        {
            const std::lock_guard lock(completion->mutex);
            completion->done = true;
        }
        completion->finished.notify_all();
    });
    if (!started) {
        return WorkerOutcome::NotStarted;
    }

    const Clock::time_point deadline = Clock::now() + limit;
    // Events run nested handlers; should one throw, the worker is told to stop before the
    // exception travels on.
    auto pump = [&] {
        try {
            PumpEvents();
        } catch (...) {
            abort->store(true);
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
            // One more turn for the events that arrived meanwhile.
            pump();
            return WorkerOutcome::Finished;
        }
        if (Clock::now() >= deadline) {
            // The job owns everything it touches; it stops at its next progress call and its
            // worker goes back to the pool.
            abort->store(true);
            return WorkerOutcome::TimedOut;
        }
        pump();
    }
}

} // namespace dalmiro::net
