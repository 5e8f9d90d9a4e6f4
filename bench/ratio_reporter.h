#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace tubeline::bench {

// One set of conditions measured twice: "<name>/production" and "<name>/oracle".
struct RatioGoal {
    std::string Case;
    double LeastRatio = 0;  // 0 where no goal is set
};

// The console report, followed by a table of oracle time / production time per case. With
// repetitions the medians are compared, otherwise the single measurements.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    explicit RatioReporter(std::vector<RatioGoal> goals);
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

    // False when a case with a goal fell short of it or was not measured.
    bool GoalsMet() const { return goalsMet_; }

  private:
    double TimeOf(const std::string& name) const;

    std::vector<RatioGoal> goals_;
    std::map<std::string, double> medians_;  // milliseconds
    std::map<std::string, double> singles_;  // milliseconds
    bool goalsMet_ = true;
};

}  // namespace tubeline::bench
