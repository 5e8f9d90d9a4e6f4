#include "compared_runs.h"

#include <algorithm>

#include "graph/spectrum_curve.h"

namespace tubeline {
namespace {

bool SameConditions(const IrradiationConditions& a, const IrradiationConditions& b) {
    return a.ModelChoice == b.ModelChoice && a.Rectification == b.Rectification &&
           static_cast<const ConditionValues&>(a) == static_cast<const ConditionValues&>(b);
}

// Two filters of one name may come from different files; the coefficients tell them apart.
bool SameFilters(const MaterialFilter& a, const MaterialFilter& b) {
    if (a.FilterCount != b.FilterCount) {
        return false;
    }
    for (int slot = 1; slot <= a.FilterCount; ++slot) {
        if (a.FilterThickness[slot] != b.FilterThickness[slot] ||
            a.FilterName[slot] != b.FilterName[slot] || a.MuFilter[slot] != b.MuFilter[slot]) {
            return false;
        }
    }
    return true;
}

bool SameRun(const RunOnGraph& a, const RunOnGraph& b) {
    return SameConditions(a.Conditions, b.Conditions) && SameFilters(a.Filters, b.Filters);
}

}  // namespace

std::vector<ComparedRuns::Shown>::iterator ComparedRuns::Find(const RunOnGraph& run) {
    return std::find_if(shown_.begin(), shown_.end(),
                        [&run](const Shown& shown) { return SameRun(shown.Run, run); });
}

bool ComparedRuns::Add(const RunOnGraph& run, int angleIndex) {
    const bool full = shown_.size() >= kMostGraphedRuns;
    if (full) {
        shown_.erase(shown_.begin());
    }
    shown_.push_back({run, {angleIndex}});
    return full;
}

bool ComparedRuns::ShowRun(const RunOnGraph& run) {
    const auto found = Find(run);
    if (found == shown_.end()) {
        return Add(run, kCentralAngleIndex);
    }
    // The same beam again: the spectra are the same, only the beam centre must be drawn.
    if (std::find(found->Angles.begin(), found->Angles.end(), kCentralAngleIndex) ==
        found->Angles.end()) {
        found->Angles.push_back(kCentralAngleIndex);
    }
    return false;
}

void ComparedRuns::ToggleAngle(const RunOnGraph& run, int angleIndex) {
    const auto found = Find(run);
    if (found == shown_.end()) {
        Add(run, angleIndex);
        return;
    }
    std::vector<int>& angles = found->Angles;
    const auto drawn = std::find(angles.begin(), angles.end(), angleIndex);
    if (drawn == angles.end()) {
        angles.push_back(angleIndex);
        return;
    }
    angles.erase(drawn);
    if (angles.empty()) {
        shown_.erase(found);
    }
}

bool ComparedRuns::AngleDrawn(int angleIndex) const {
    return std::any_of(shown_.begin(), shown_.end(), [angleIndex](const Shown& shown) {
        return std::find(shown.Angles.begin(), shown.Angles.end(), angleIndex) !=
               shown.Angles.end();
    });
}

std::optional<int> ComparedRuns::PlaceOf(const RunOnGraph& run) const {
    const auto found = std::find_if(shown_.begin(), shown_.end(),
                                    [&run](const Shown& shown) { return SameRun(shown.Run, run); });
    if (found == shown_.end()) {
        return std::nullopt;
    }
    return static_cast<int>(found - shown_.begin()) + 1;
}

std::vector<GraphedRun> ComparedRuns::ToDraw() const {
    std::vector<GraphedRun> runs;
    for (std::size_t i = 0; i < shown_.size(); ++i) {
        const RunOnGraph& run = shown_[i].Run;
        QStringList legend;
        for (const std::string& piece :
             RunLegendText(static_cast<int>(i) + 1, run.Conditions, run.Filters)) {
            legend << QString::fromStdString(piece);
        }
        runs.push_back({run.Spectra, shown_[i].Angles, legend});
    }
    return runs;
}

std::vector<RunReading> ComparedRuns::ReadingsAt(double energyKeV,
                                                 VerticalAxis verticalAxis) const {
    const int energyIndex = DrawnEnergyIndexAt(energyKeV);
    std::vector<RunReading> readings;
    for (std::size_t i = 0; i < shown_.size(); ++i) {
        RunReading reading{shown_.size() > 1 ? static_cast<int>(i) + 1 : 0, {}};
        for (const int angle : shown_[i].Angles) {
            reading.Curves.push_back(
                {angle, RelativeValue(*shown_[i].Run.Spectra, verticalAxis, angle, energyIndex)});
        }
        readings.push_back(std::move(reading));
    }
    return readings;
}

}  // namespace tubeline
