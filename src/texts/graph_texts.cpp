#include "graph_texts.h"

#include "base/number_format.h"
#include "beam_quality_report.h"
#include "material_names.h"
#include "model/filter_slots.h"
#include "translation.h"

namespace tubeline {
namespace {

constexpr int kRelativeDecimals = 3;
constexpr int kEnergyDecimals = 1;

std::string ModelName(SpectrumModel model) {
    switch (model) {
        case SpectrumModel::Tucker:
            return "Tucker";
        case SpectrumModel::Birch:
            return "Birch";
        case SpectrumModel::Physics:
            break;
    }
    return "Physics";
}

// The rectification as short as the legend needs it: the Japanese names are short already.
std::string RectificationInShort(RectificationMode rectification) {
    switch (rectification) {
        case RectificationMode::ThreePhaseTwelvePulse:
            return Tr("Graph", "三相12ピーク");
        case RectificationMode::SinglePhaseFullWave:
            return Tr("Graph", "単相全波");
        case RectificationMode::ConstantPotential:
            break;
    }
    return Tr("Graph", "定電圧");
}

std::string Layer(const std::string& millimetres, const std::string& material) {
    return millimetres + " mm " + material;
}

}  // namespace

std::vector<std::string> BeamInShort(const IrradiationConditions& conditions,
                                     const MaterialFilter& filters) {
    // Inherent filtration with the beam, then the added aluminium and copper where there are
    // any, then each filter of any material.
    std::vector<std::string> pieces{Substitute(
        Tr("Graph", "%1 %2°、%3 kV、%4、%5"),
        {ModelName(conditions.ModelChoice), FormatGeneral(conditions.TargetAngle),
         FormatGeneral(conditions.TubeVoltage), RectificationInShort(conditions.Rectification),
         Layer(FormatGeneral(conditions.InherentFiltration), "Al")})};
    if (conditions.AluminiumFilter != 0) {
        pieces.push_back(" + " + Layer(FormatGeneral(conditions.AluminiumFilter), "Al"));
    }
    if (conditions.CopperFilter != 0) {
        pieces.push_back(" + " + Layer(FormatGeneral(conditions.CopperFilter), "Cu"));
    }
    for (const FilterInUse& filter : FiltersInUse(filters)) {
        pieces.push_back(
            " + " + Layer(FormatGeneral(filter.ThicknessMm), MaterialDisplayName(filter.Name)));
    }
    return pieces;
}

std::vector<std::string> RunLegendText(int place, const IrradiationConditions& conditions,
                                       const MaterialFilter& filters) {
    std::vector<std::string> pieces = BeamInShort(conditions, filters);
    pieces.front() = "#" + std::to_string(place) + " " + pieces.front();
    return pieces;
}

std::string PointerReadingText(double energyKeV, const std::vector<RunReading>& runs,
                               std::string_view runSeparator) {
    const std::string energy = FormatFixed(energyKeV, kEnergyDecimals);
    std::string values;
    for (const RunReading& run : runs) {
        if (run.Curves.empty()) {
            continue;
        }
        if (!values.empty()) {
            values += runSeparator;
        }
        if (run.Place > 0) {
            values += "#" + std::to_string(run.Place) + " ";
        }
        for (std::size_t i = 0; i < run.Curves.size(); ++i) {
            values += (i == 0 ? "" : ", ") + AngleCaption(run.Curves[i].AngleIndex) + " " +
                      FormatFixed(run.Curves[i].Relative, kRelativeDecimals);
        }
    }
    if (values.empty()) {
        return energy + " keV";
    }
    return Substitute(Tr("Graph", "%1 keV の相対値　%2"), {energy, values});
}

std::string OldestRunLeftNote(std::size_t mostRuns) {
    return Substitute(
        Tr("Graph", "グラフで比べられるのは %1 つの計算までのため、最も古い計算を外しました"),
        {std::to_string(mostRuns)});
}

std::string LastRunOnlyNote(int runsOnGraph, int lastRunPlace) {
    if (lastRunPlace == 0) {
        return Substitute(Tr("Graph",
                             "グラフには %1 つの計算が描かれています。保存するのは、グラフに"
                             "描かれていない最後の計算のスペクトルだけです"),
                          {std::to_string(runsOnGraph)});
    }
    return Substitute(Tr("Graph",
                         "グラフには %1 つの計算が描かれています。保存するのは最後の計算 #%2 "
                         "のスペクトルだけです"),
                      {std::to_string(runsOnGraph), std::to_string(lastRunPlace)});
}

}  // namespace tubeline
