#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

#include "graph/graphed_runs.h"
#include "graph/vertical_axis.h"
#include "model/calculation_state.h"
#include "texts/graph_texts.h"

namespace tubeline {

// A completed run as the graph keeps it: what it was computed from, for its legend and to know
// it again, and its spectra.
struct RunOnGraph {
    IrradiationConditions Conditions;
    MaterialFilter Filters;
    std::shared_ptr<const SpectrumTable> Spectra;
};

// The runs the graph shows since it was last cleared, oldest first, each with the angles whose
// curves are drawn. A run computed from the same conditions and filters as one shown is that
// run again: it keeps its place, style and curves.
class ComparedRuns {
  public:
    // A completed run draws its beam-centre curve: a run not shown yet joins the graph, and when
    // the graph already tells kMostGraphedRuns apart the oldest leaves it. True when one left.
    bool ShowRun(const RunOnGraph& run);
    // An angle button: draws the run's curve of that angle, or takes it off when it is drawn. A
    // run left without curves leaves the graph; one not shown joins it.
    void ToggleAngle(const RunOnGraph& run, int angleIndex);
    void Clear() { shown_.clear(); }

    bool Empty() const { return shown_.empty(); }
    std::size_t Count() const { return shown_.size(); }
    // Whether any run's curve of the angle is drawn.
    bool AngleDrawn(int angleIndex) const;
    // The run's place in the legend, 1 first; nothing when it is not shown.
    std::optional<int> PlaceOf(const RunOnGraph& run) const;

    // The runs to draw, each named by its legend entry.
    std::vector<GraphedRun> ToDraw() const;
    // Every drawn curve's value at the energy, by run and angle; runs are numbered by their
    // place when the graph shows more than one.
    std::vector<RunReading> ReadingsAt(double energyKeV, VerticalAxis verticalAxis) const;

  private:
    struct Shown {
        RunOnGraph Run;
        std::vector<int> Angles;  // in the order drawn
    };
    std::vector<Shown>::iterator Find(const RunOnGraph& run);
    // Adds the run with one curve, the oldest leaving when the graph is full; true when it did.
    bool Add(const RunOnGraph& run, int angleIndex);

    std::vector<Shown> shown_;
};

}  // namespace tubeline
