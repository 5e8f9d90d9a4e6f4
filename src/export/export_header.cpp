#include "export_header.h"

#include "model/condition_names.h"
#include "model/filter_slots.h"
#include "base/number_format.h"
#include "model/physics_constants.h"

namespace tubeline {
namespace {

std::string Millimetres(double centimetres) {
    return FormatGeneral(centimetres * kCentimetresToMillimetres);
}

}  // namespace

std::vector<std::string> SpectrumExportHeader(const IrradiationConditions& conditions,
                                              const MaterialFilter& filters) {
    std::vector<std::string> lines{
        RectificationName(conditions.Rectification),
        "管電圧 = " + FormatGeneral(conditions.TubeVoltage) + " kV",
        "ターゲット角度 = " + FormatGeneral(conditions.TargetAngle) + " 度",
        "固有ろ過 = " + Millimetres(conditions.InherentFiltration) + " mm Al当量",
        "Al フィルタ = " + Millimetres(conditions.AluminiumFilter) + " mm",
        "Cu フィルタ = " + Millimetres(conditions.CopperFilter) + " mm",
        filters.FilterCount == 0 ? "任意フィルタ (-)" : "任意フィルタ",
    };
    for (int slot = 1; slot <= filters.FilterCount; ++slot) {
        lines.push_back(filters.FilterName[slot] + " = " + FilterThicknessText(filters, slot) +
                        " mm");
    }
    lines.emplace_back();
    return lines;
}

}  // namespace tubeline
