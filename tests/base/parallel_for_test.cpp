#include "base/parallel_for.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
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

    // Each index takes 2 ms; asked to stop after about 10 ms, the loop leaves most undone and
    // nothing running.
    std::atomic<int> done{0};
    const auto start = std::chrono::steady_clock::now();
    const bool stopped = ForEachIndexInParallelUnless(
        1000, 2,
        [&done](int) {
            std::this_thread::sleep_for(2ms);
            ++done;
        },
        [start] { return std::chrono::steady_clock::now() - start > 10ms; }, 1ms);
    const int doneWhenReturned = done;
    EXPECT_TRUE(stopped);
    EXPECT_LT(doneWhenReturned, 500);
    std::this_thread::sleep_for(10ms);
    EXPECT_EQ(done, doneWhenReturned);
}

}  // namespace
}  // namespace tubeline
