#include "ratio_reporter.h"

#include <cstdio>
#include <utility>

namespace tubeline::bench {
namespace {

constexpr double kMillisecondsPerSecond = 1000;

double Milliseconds(const benchmark::BenchmarkReporter::Run& run) {
    return run.GetAdjustedRealTime() * kMillisecondsPerSecond /
           benchmark::GetTimeUnitMultiplier(run.time_unit);
}

}  // namespace

RatioReporter::RatioReporter(std::vector<RatioGoal> goals) : goals_(std::move(goals)) {}

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred) {
            continue;
        }
        const std::string& name = run.run_name.function_name;
        if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
            medians_[name] = Milliseconds(run);
        } else if (run.run_type == Run::RT_Iteration) {
            singles_[name] = Milliseconds(run);
        }
    }
}

double RatioReporter::TimeOf(const std::string& name) const {
    if (const auto median = medians_.find(name); median != medians_.end()) {
        return median->second;
    }
    if (const auto single = singles_.find(name); single != singles_.end()) {
        return single->second;
    }
    return 0;
}

void RatioReporter::Finalize() {
    ConsoleReporter::Finalize();
    std::FILE* out = stdout;
    std::fflush(out);
    std::fprintf(out, "\n%-34s %14s %11s %9s %6s\n", "case (ms per condition)", "production",
                 "oracle", "ratio", "goal");
    for (const RatioGoal& goal : goals_) {
        const double production = TimeOf(goal.Case + "/production") / goal.ProductionConditions;
        const std::string& oracleCase = goal.OracleCase.empty() ? goal.Case : goal.OracleCase;
        const double oracle = TimeOf(oracleCase + "/oracle") / goal.OracleConditions;
        if (production == 0 || oracle == 0) {
            std::fprintf(out, "%-34s not measured\n", goal.Case.c_str());
            goalsMet_ = goalsMet_ && goal.LeastRatio == 0;
            continue;
        }
        const double ratio = oracle / production;
        const bool met = ratio >= goal.LeastRatio;
        goalsMet_ = goalsMet_ && met;
        std::fprintf(out, "%-34s %14.3f %11.3f %8.1fx", goal.Case.c_str(), production, oracle,
                     ratio);
        if (goal.LeastRatio > 0) {
            std::fprintf(out, " %5.0fx%s", goal.LeastRatio, met ? "" : "  NOT MET");
        }
        std::fprintf(out, "\n");
    }
    std::fflush(out);
}

}  // namespace tubeline::bench
