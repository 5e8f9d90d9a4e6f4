#pragma once

#include <atomic>
#include <system_error>
#include <thread>
#include <vector>

namespace tubeline {

// How many threads share the work of a run: the cores, up to a few.
int WorkerThreadCount();

// Calls work(i) once for every i = 0 .. count - 1, spread over `threads` threads (the caller's
// among them), handing out the indices in rising order. Whatever work(i) computes must depend
// on i alone and go where no other index writes; the results then do not depend on the number
// of threads or on their timing. `work` must not throw.
template <class Work>
void ForEachIndexInParallel(int count, int threads, const Work& work) {
    std::atomic<int> next{0};
    const auto takeIndices = [&next, count, &work] {
        for (int i = next++; i < count; i = next++) {
            work(i);
        }
    };
    std::vector<std::jthread> helpers;
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
