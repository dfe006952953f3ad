#pragma once
// Runs a network job on a worker thread of its own while the calling thread waits and lets window
// events run, so that no request freezes the window. Internal to net/.
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>

namespace dalmiro::net {

enum class WorkerOutcome {
    Finished,   // the job ran to its end within the limit
    TimedOut,   // the limit passed first; the job was told to stop and left to end on its own
    NotStarted, // no thread could be started
};

// How often the waiting caller lets events run.
inline constexpr std::chrono::milliseconds kPumpSlice{10};

// Runs `job` on a worker of its own (a reused idle worker or a new thread) and waits for it in
// slices, calling PumpEvents after each slice while the limit has not passed. On time-out it sets
// `abort` (which the job's transfer polls) and returns without waiting: `job` must own everything
// it touches (shared_ptr state).
WorkerOutcome RunOnWorker(std::function<void()> job, std::chrono::milliseconds limit,
                          const std::shared_ptr<std::atomic<bool>>& abort);

} // namespace dalmiro::net
