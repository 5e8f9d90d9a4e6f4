#include "condition_fields.h"

#include <cmath>
#include <iterator>

#include "leading_number.h"
#include "physics_constants.h"

namespace tubeline {
namespace {

ConditionRejection OutOfRange(ConditionField field) {
    return {ConditionRejection::Kind::OutOfRange, field};
}

}  // namespace

std::string DefaultTargetAngleText(SpectrumModel model) {
    switch (model) {
        case SpectrumModel::Tucker:
            return "12";
        case SpectrumModel::Birch:
            break;
    }
    return "16";
}

CheckedConditions CheckConditionFields(const ConditionTexts& texts,
                                       const IrradiationConditions& stored) {
    CheckedConditions result{texts, stored, std::nullopt};
    ConditionTexts& fields = result.Texts;
    IrradiationConditions& conditions = result.Conditions;

    const double voltage = LeadingNumber(fields.TubeVoltage);
    if (!std::isfinite(voltage)) {
        result.Rejection = OutOfRange(ConditionField::TubeVoltage);
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
        result.Rejection = OutOfRange(ConditionField::TargetAngle);
        return result;
    }
    conditions.TargetAngle = angle;
    if (conditions.TargetAngle < kMinimumTargetAngle) {
        result.Rejection = {ConditionRejection::Kind::TargetAngleBelowMinimum,
                            ConditionField::TargetAngle};
        fields.TargetAngle = "12";
        return result;
    }
    if (conditions.TargetAngle >= kTargetAngleLimit) {
        result.Rejection = {ConditionRejection::Kind::TargetAngleFromLimit,
                            ConditionField::TargetAngle};
        return result;
    }

    const struct {
        const std::string& text;
        ConditionField field;
        double& stored;
    } filters[] = {
        {fields.InherentFiltration, ConditionField::InherentFiltration,
         conditions.InherentFiltration},
        {fields.AluminiumFilter, ConditionField::AluminiumFilter, conditions.AluminiumFilter},
        {fields.CopperFilter, ConditionField::CopperFilter, conditions.CopperFilter},
    };
    // Filters are stored only when all three are numbers in range.
    double thicknessesMm[std::size(filters)];
    for (std::size_t i = 0; i < std::size(filters); ++i) {
        thicknessesMm[i] = LeadingNumber(filters[i].text);
        if (!std::isfinite(thicknessesMm[i])) {
            result.Rejection = OutOfRange(filters[i].field);
            return result;
        }
    }
    for (std::size_t i = 0; i < std::size(filters); ++i) {
        filters[i].stored = thicknessesMm[i] * kMillimetresToCentimetres;
    }
    return result;
}

}  // namespace tubeline
