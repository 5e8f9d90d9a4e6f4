#include "ratio_reporter.h"

#include <sys/resource.h>

#include <cstdio>
#include <utility>

namespace tubeline::bench {
namespace {

constexpr double kMillisecondsPerSecond = 1000;

double Milliseconds(const benchmark::BenchmarkReporter::Run& run) {
    return run.GetAdjustedRealTime() * kMillisecondsPerSecond /
           benchmark::GetTimeUnitMultiplier(run.time_unit);
}

double CountedProcessorMilliseconds(const benchmark::BenchmarkReporter::Run& run) {
    const auto counter = run.counters.find(kProcessorCounter);
    return counter == run.counters.end() ? 0 : counter->second.value;
}

}  // namespace

double ProcessorMilliseconds() {
    ::rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const auto milliseconds = [](const ::timeval& time) {
        return time.tv_sec * 1e3 + time.tv_usec * 1e-3;
    };
    return milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime);
}

void CountProcessorTime(benchmark::State& loop, double startMilliseconds) {
    loop.counters[kProcessorCounter] = benchmark::Counter(
        ProcessorMilliseconds() - startMilliseconds, benchmark::Counter::kAvgIterations);
}

RatioReporter::RatioReporter(std::vector<RatioGoal> goals) : goals_(std::move(goals)) {}

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred) {
            continue;
        }
        const std::string& name = run.run_name.function_name;
        const Times times{Milliseconds(run), CountedProcessorMilliseconds(run)};
        if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
            medians_[name] = times;
        } else if (run.run_type == Run::RT_Iteration) {
            singles_[name] = times;
        }
    }
}

RatioReporter::Times RatioReporter::TimesOf(const std::string& name) const {
    if (const auto median = medians_.find(name); median != medians_.end()) {
        return median->second;
    }
    if (const auto single = singles_.find(name); single != singles_.end()) {
        return single->second;
    }
    return {};
}

void RatioReporter::Finalize() {
    ConsoleReporter::Finalize();
    std::FILE* out = stdout;
    std::fflush(out);
    std::fprintf(out, "\n%-42s %14s %11s %9s %6s\n", "case (ms per condition)", "production",
                 "oracle", "ratio", "goal");
    for (const RatioGoal& goal : goals_) {
        const std::string& oracleCase = goal.OracleCase.empty() ? goal.Case : goal.OracleCase;
        const Times production = TimesOf(goal.Case + "/production");
        const Times oracle = TimesOf(oracleCase + "/oracle");
        if (production.Real == 0 || oracle.Real == 0) {
            std::fprintf(out, "%-42s not measured\n", goal.Case.c_str());
            goalsMet_ = goalsMet_ && goal.LeastRatio == 0;
            continue;
        }
        const bool processorCounted = production.Processor > 0 && oracle.Processor > 0;
        // Times of all conditions, ms.
        const auto printRatio = [&](const char* label, double productionTotal, double oracleTotal,
                                    bool judged) {
            const double productionMs = productionTotal / goal.ProductionConditions;
            const double oracleMs = oracleTotal / goal.OracleConditions;
            const double ratio = oracleMs / productionMs;
            std::fprintf(out, "%-42s %14.3f %11.3f %8.1fx", label, productionMs, oracleMs, ratio);
            if (judged && goal.LeastRatio > 0) {
                const bool met = ratio >= goal.LeastRatio;
                goalsMet_ = goalsMet_ && met;
                std::fprintf(out, " %5.0fx%s", goal.LeastRatio, met ? "" : "  NOT MET");
            }
            std::fprintf(out, "\n");
        };
        printRatio(goal.Case.c_str(), production.Real, oracle.Real, !goal.ByProcessorTime);
        if (processorCounted) {
            printRatio("  processor time, all threads", production.Processor, oracle.Processor,
                       goal.ByProcessorTime);
        } else if (goal.ByProcessorTime && goal.LeastRatio > 0) {
            std::fprintf(out, "  processor time not counted: goal not met\n");
            goalsMet_ = false;
        }
    }
    std::fflush(out);
}

}  // namespace tubeline::bench
