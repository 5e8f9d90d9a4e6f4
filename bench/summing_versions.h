#pragma once

#include <string>
#include <vector>

#include "model/target_attenuation.h"

namespace tubeline::bench {

// A version of the hot loop that the benchmarks run the production pipeline with, the prefix of
// its cases' names ("AVX2/") and whether its cases are held to their goals.
struct MeasuredVersion {
    SummingVersion Version;
    std::string CasePrefix;
    bool HeldToGoals = true;
};

// Every version this processor runs, widest first. Where it runs a wider one, the last, SSE2
// (the baseline of x86-64, for processors without AVX2), is measured and reported but not held
// to the goals.
std::vector<MeasuredVersion> VersionsToMeasure();

}  // namespace tubeline::bench
