#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <vector>

#include "joining_thread.h"

namespace tubeline {

// Set on the threads of a ForEachIndexInParallel while they work: a parallel loop inside it
// (the model run of one batch row) then stays on its thread, the outer loop keeping the cores
// busy already.
inline thread_local bool tInParallelLoop = false;

// How many threads share the work of a run: the cores, up to a few; one inside a parallel loop.
int WorkerThreadCount();

// Calls work(i) once for every i = 0 .. count - 1, spread over `threads` threads (the caller's
// among them), handing out the indices in rising order. Whatever work(i) computes must depend
// on i alone and go where no other index writes; the results then do not depend on the number
// of threads or on their timing. `work` must not throw.
template <class Work>
void ForEachIndexInParallel(int count, int threads, const Work& work) {
    std::atomic<int> next{0};
    const auto takeIndices = [&next, count, &work] {
        const bool outer = tInParallelLoop;
        tInParallelLoop = true;
        for (int i = next++; i < count; i = next++) {
            work(i);
        }
        tInParallelLoop = outer;
    };
    std::vector<JoiningThread> helpers;
    helpers.reserve(threads - 1);
    try {
        while (static_cast<int>(helpers.size()) < threads - 1) {
            helpers.emplace_back(takeIndices);
        }
    } catch (const std::system_error&) {
        // No thread to spare: the threads already started and this one take all the work.
    }
    takeIndices();
}

// ForEachIndexInParallel on `threads` helper threads while the calling thread, which takes no
// index itself, calls stop() every `period` until they are done (a script's interpreter checks
// there whether it was interrupted). Once stop() returns true no further index is handed out;
// the indices already taken finish before this returns. Returns whether it was stopped so.
template <class Work, class Stop>
bool ForEachIndexInParallelUnless(int count, int threads, const Work& work, const Stop& stop,
                                  std::chrono::milliseconds period) {
    std::atomic<int> next{0};
    std::atomic<bool> stopped{false};
    std::mutex finishing;
    std::condition_variable finished;
    int running = 0;
    const auto takeIndices = [&] {
        tInParallelLoop = true;
        for (int i = next++; i < count && !stopped; i = next++) {
            work(i);
        }
        const std::lock_guard lock(finishing);
        --running;
        finished.notify_one();
    };
    std::vector<JoiningThread> helpers;
    {
        const std::lock_guard lock(finishing);
        try {
            for (int t = 0; t < threads && t < count; ++t) {
                helpers.emplace_back(takeIndices);
                ++running;
            }
        } catch (const std::system_error&) {
            // Fewer helpers share the work; without any, the loop below does it.
        }
    }
    if (helpers.empty()) {
        ForEachIndexInParallel(count, 1, work);
        return false;
    }
    std::unique_lock lock(finishing);
    while (!finished.wait_for(lock, period, [&running] { return running == 0; })) {
        lock.unlock();
        if (!stopped && stop()) {
            stopped = true;
        }
        lock.lock();
    }
    return stopped;
}

}  // namespace tubeline
