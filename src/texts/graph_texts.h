#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "model/calculation_state.h"

namespace tubeline {

// What the graph says about the runs it shows: the legend, the pointer's readout and what an
// export of the last run leaves out.

// A beam's conditions in short: the model and the target angle, the tube voltage, the
// rectification and every layer of the filtration with its thickness:
// "Tucker 12°、80 kV、定電圧、2.5 mm Al + 0.1 mm Cu + 1 mm Be". In pieces, each after the
// first with the " + " that joins it, so that a long entry can go on on another line between
// two layers.
std::vector<std::string> BeamInShort(const IrradiationConditions& conditions,
                                     const MaterialFilter& filters);

// A run's legend entry: its place on the graph (1 first) before its BeamInShort, "#2 Tucker …".
std::vector<std::string> RunLegendText(int place, const IrradiationConditions& conditions,
                                       const MaterialFilter& filters);

// The value of one drawn curve at the pointer's energy.
struct CurveReading {
    int AngleIndex = 0;
    double Relative = 0;
};
// The curves of one run. Place is the run's place in the legend, 0 for a graph of one run,
// which has no legend.
struct RunReading {
    int Place = 0;
    std::vector<CurveReading> Curves;
};

// Every drawn curve's value at the energy, named by its run and angle, the runs apart by the
// separator: "75.0 keV の相対値　#1 0° 0.512, -10° 0.498; #2 0° 0.031". The energy alone where
// no curve is drawn.
std::string PointerReadingText(double energyKeV, const std::vector<RunReading>& runs,
                               std::string_view runSeparator = "; ");

// Under the graph when a run joined a graph that already told the most runs apart.
std::string OldestRunLeftNote(std::size_t mostRuns);

// The spectrum data dialog's note when the graph shows other runs than the last: the file holds
// the last run only, the one at that place in the legend (0 when its curves are not drawn).
std::string LastRunOnlyNote(int runsOnGraph, int lastRunPlace);

}  // namespace tubeline
