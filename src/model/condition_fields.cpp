#include "condition_fields.h"

#include <cmath>
#include <iterator>

#include "leading_number.h"
#include "physics_constants.h"

namespace tubeline {
namespace {

std::string OutOfRangeMessage(std::string_view caption) {
    std::string message(" ");
    message += caption;
    message += "の値が数値の範囲を超えています ";
    return message;
}

}  // namespace

CheckedConditions CheckConditionFields(const ConditionTexts& texts,
                                       const IrradiationConditions& stored) {
    CheckedConditions result{texts, stored, std::nullopt};
    ConditionTexts& fields = result.Texts;
    IrradiationConditions& conditions = result.Conditions;

    const double voltage = LeadingNumber(fields.TubeVoltage);
    if (!std::isfinite(voltage)) {
        result.Rejection = OutOfRangeMessage("Ｘ線管電圧");
        return result;
    }
    conditions.TubeVoltage = voltage;
    if (conditions.TubeVoltage > kMaximumTubeVoltage) {
        fields.TubeVoltage = "150";
        conditions.TubeVoltage = kMaximumTubeVoltage;
    } else if (conditions.TubeVoltage < kMinimumTubeVoltage) {
        fields.TubeVoltage = "30";
        conditions.TubeVoltage = kMinimumTubeVoltage;
    }

    const double angle = LeadingNumber(fields.TargetAngle);
    if (!std::isfinite(angle)) {
        result.Rejection = OutOfRangeMessage("ターゲット角度");
        return result;
    }
    conditions.TargetAngle = angle;
    if (conditions.TargetAngle < kMinimumTargetAngle) {
        result.Rejection = std::string(kTargetAngleTooSmallMessage);
        fields.TargetAngle = "12";
        return result;
    }
    if (conditions.TargetAngle >= kTargetAngleLimit) {
        result.Rejection = std::string(kTargetAngleTooLargeMessage);
        return result;
    }

    const struct {
        const std::string& text;
        const char* caption;
        double& stored;
    } filters[] = {
        {fields.InherentFiltration, "固有ろ過（Al 当量）", conditions.InherentFiltration},
        {fields.AluminiumFilter, "アルミ付加フィルタ", conditions.AluminiumFilter},
        {fields.CopperFilter, "銅付加フィルタ", conditions.CopperFilter},
    };
    // Filters are stored only when all three are numbers in range.
    double thicknessesMm[std::size(filters)];
    for (std::size_t i = 0; i < std::size(filters); ++i) {
        thicknessesMm[i] = LeadingNumber(filters[i].text);
        if (!std::isfinite(thicknessesMm[i])) {
            result.Rejection = OutOfRangeMessage(filters[i].caption);
            return result;
        }
    }
    for (std::size_t i = 0; i < std::size(filters); ++i) {
        filters[i].stored = thicknessesMm[i] * kMillimetresToCentimetres;
    }
    return result;
}

}  // namespace tubeline
