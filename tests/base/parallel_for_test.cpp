#include "base/parallel_for.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <vector>

namespace tubeline {
namespace {

TEST(ForEachIndexInParallel, CallsEveryIndexExactlyOnce) {
    for (const int threads : {1, 2, 4, 16}) {
        for (const int count : {0, 1, 2, 11, 495}) {
            std::vector<std::atomic<int>> calls(count);
            ForEachIndexInParallel(count, threads, [&calls](int i) { ++calls[i]; });
            for (int i = 0; i < count; ++i) {
                EXPECT_EQ(calls[i], 1)
                    << "index " << i << " of " << count << ", " << threads << " threads";
            }
        }
    }
}

TEST(ForEachIndexInParallel, ALoopInsideOneStaysOnItsThread) {
    const int outside = WorkerThreadCount();
    std::vector<int> inside(8);
    ForEachIndexInParallel(8, 2, [&inside](int i) { inside[i] = WorkerThreadCount(); });
    EXPECT_EQ(inside, std::vector<int>(8, 1));
    EXPECT_EQ(WorkerThreadCount(), outside);
}

TEST(ForEachIndexInParallelUnless, RunsEveryIndexUntilStoppedAndThenNoNewOne) {
    using namespace std::chrono_literals;
    std::vector<std::atomic<int>> calls(40);
    EXPECT_FALSE(ForEachIndexInParallelUnless(
        40, 2, [&calls](int i) { ++calls[i]; }, [] { return false; }, 1ms));
    EXPECT_EQ(std::count(calls.begin(), calls.end(), 1), 40);

    // The first index of each of the two threads waits until stop() has been asked and says
    // yes; every later index is a little work of its own. Once stopped, the loop hands out no
    // new index, so most stay undone, and it returns only when the indices taken have finished.
    constexpr int kCount = 100000;
    std::mutex gate;
    std::condition_variable opened;
    bool open = false;
    std::atomic<int> started{0};
    std::atomic<int> finished{0};
    std::atomic<double> sink{0};
    const bool stopped = ForEachIndexInParallelUnless(
        kCount, 2,
        [&](int i) {
            ++started;
            if (i < 2) {
                std::unique_lock lock(gate);
                opened.wait(lock, [&open] { return open; });
            } else {
                double sum = 0;
                for (int k = 1; k < 20000; ++k) {
                    sum += 1.0 / k;
                }
                sink = sum;
            }
            ++finished;
        },
        [&] {
            if (started < 2) {
                return false;
            }
            const std::lock_guard lock(gate);
            open = true;
            opened.notify_all();
            return true;
        },
        1ms);
    EXPECT_TRUE(stopped);
    EXPECT_EQ(finished.load(), started.load());
    EXPECT_LT(finished.load(), kCount / 10);
}

}  // namespace
}  // namespace tubeline
