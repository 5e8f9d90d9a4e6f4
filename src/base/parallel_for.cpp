#include "parallel_for.h"

#include <algorithm>

namespace tubeline {
namespace {

// A run is a few milliseconds of work at most; beyond a few threads, starting them costs more
// than they save.
constexpr int kMostWorkerThreads = 4;

}  // namespace

int WorkerThreadCount() {
    static const int count = kThreadsAvailable
                                 ? std::clamp(static_cast<int>(std::thread::hardware_concurrency()),
                                              1, kMostWorkerThreads)
                                 : 1;
    return tInParallelLoop ? 1 : count;
}

}  // namespace tubeline
