#include "export_header.h"

#include "base/number_format.h"
#include "model/condition_names.h"
#include "model/filter_slots.h"
#include "model/output_conditions.h"

namespace tubeline {
std::vector<std::string> SpectrumExportHeader(const IrradiationConditions& conditions,
                                              const MaterialFilter& filters) {
    std::vector<std::string> lines{
        RectificationName(conditions.Rectification),
        "管電圧 = " + FormatGeneral(conditions.TubeVoltage) + " kV",
        "ターゲット角度 = " + FormatGeneral(conditions.TargetAngle) + " 度",
        "固有ろ過 = " + FormatGeneral(conditions.InherentFiltration) + " mm Al当量",
        "Al フィルタ = " + FormatGeneral(conditions.AluminiumFilter) + " mm",
        "Cu フィルタ = " + FormatGeneral(conditions.CopperFilter) + " mm",
    };
    // Where an absolute spectrum's air kerma was wanted; a relative one has no use for it.
    if (HasAbsoluteOutput(conditions.ModelChoice)) {
        lines.push_back("距離 = " + FormatGeneral(conditions.Output.DistanceMm) + " mm");
        lines.push_back("出力係数 = " + FormatGeneral(conditions.Output.OutputFactor));
    }
    lines.emplace_back(filters.FilterCount == 0 ? "任意フィルタ (-)" : "任意フィルタ");
    for (const FilterInUse& filter : FiltersInUse(filters)) {
        lines.push_back(std::string(filter.Name) + " = " + FormatGeneral(filter.ThicknessMm) +
                        " mm");
    }
    lines.emplace_back();
    return lines;
}

}  // namespace tubeline
