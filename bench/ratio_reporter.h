#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace tubeline::bench {

// One set of conditions measured twice: "<name>/production" and "<name>/oracle", each over
// its number of conditions (the oracle may be timed on a sample of them).
struct RatioGoal {
    std::string Case;
    double LeastRatio = 0;  // 0 where no goal is set
    int ProductionConditions = 1;
    int OracleConditions = 1;
    // The case whose "/oracle" run is the oracle's time; the case itself when empty.
    std::string OracleCase;
    // Whether the goal holds for the ratio of the processor times instead of the elapsed ones.
    bool ByProcessorTime = false;
};

// A benchmark may count, in this counter, the processor time of the whole process (all its
// threads) per iteration in milliseconds; the table then compares those times as well. Unlike
// elapsed times they hold steady when other work shares the machine.
inline constexpr char kProcessorCounter[] = "processor_ms";

// User and system time of every thread of the process so far.
double ProcessorMilliseconds();

// Counts the processor time since `startMilliseconds` per iteration of `loop`.
void CountProcessorTime(benchmark::State& loop, double startMilliseconds);

// The console report, followed by a table of the times per condition and the ratio oracle /
// production per case. With repetitions the medians are compared, otherwise the single
// measurements.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    explicit RatioReporter(std::vector<RatioGoal> goals);
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

    // False when a case with a goal fell short of it or was not measured.
    bool GoalsMet() const { return goalsMet_; }

  private:
    struct Times {
        double Real = 0;       // milliseconds
        double Processor = 0;  // milliseconds; 0 when not counted
    };
    Times TimesOf(const std::string& name) const;

    std::vector<RatioGoal> goals_;
    std::map<std::string, Times> medians_;
    std::map<std::string, Times> singles_;
    bool goalsMet_ = true;
};

}  // namespace tubeline::bench
