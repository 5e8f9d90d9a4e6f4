#include "model/parallel_for.h"

#include <gtest/gtest.h>

#include <atomic>
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

}  // namespace
}  // namespace tubeline
