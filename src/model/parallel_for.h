#pragma once

#include <atomic>
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

}  // namespace tubeline
