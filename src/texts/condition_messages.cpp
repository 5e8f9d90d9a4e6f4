#include "condition_messages.h"

#include "base/number_format.h"
#include "material_names.h"
#include "model/condition_names.h"
#include "translation.h"
#include "value_messages.h"

namespace tubeline {
std::string ConditionCaption(ConditionField field) {
    switch (field) {
        case ConditionField::TubeVoltage:
            return Tr("Messages", "Ｘ線管電圧");
        case ConditionField::TargetAngle:
            return Tr("Messages", "ターゲット角度");
        case ConditionField::InherentFiltration:
            return Tr("Messages", "固有ろ過（Al 当量）");
        case ConditionField::AluminiumFilter:
            return Tr("Messages", "アルミ付加フィルタ");
        case ConditionField::CopperFilter:
            break;
    }
    return Tr("Messages", "銅付加フィルタ");
}

std::string ConditionRejectionMessage(const ConditionRejection& rejection) {
    const std::string caption = ConditionCaption(rejection.Field);
    switch (rejection.Reason) {
        case ConditionRejection::Kind::Empty:
            return MissingValueMessage(caption);
        case ConditionRejection::Kind::NotANumber:
            return NotANumberMessage(caption, rejection.Text);
        case ConditionRejection::Kind::TargetAngleBelowMinimum:
            return Substitute(Tr("Messages", "ターゲット角度が最小限度 (%1度) 以下です"),
                              {NumberInMessage(kMinimumTargetAngleDegrees)});
        case ConditionRejection::Kind::TargetAngleFromLimit:
            return Substitute(Tr("Messages", "ターゲット角度が最大限度 (%1度) 以上です"),
                              {NumberInMessage(kTargetAngleLimitDegrees)});
        case ConditionRejection::Kind::Negative:
            return NegativeThicknessMessage(caption);
        case ConditionRejection::Kind::OutOfRange:
            break;
    }
    return OutOfRangeMessage(caption);
}

std::string OutputCaption(OutputField field) {
    return field == OutputField::Distance ? Tr("Messages", "距離") : Tr("Messages", "出力係数");
}

std::string OutputRejectionMessage(const OutputRejection& rejection) {
    const std::string caption = OutputCaption(rejection.Field);
    switch (rejection.Reason) {
        case OutputRejection::Kind::Empty:
            return MissingValueMessage(caption);
        case OutputRejection::Kind::NotANumber:
            return NotANumberMessage(caption, rejection.Text);
        case OutputRejection::Kind::NotPositive:
            return NotPositiveMessage(caption);
        case OutputRejection::Kind::OutOfRange:
            break;
    }
    return OutOfRangeMessage(caption);
}

std::string ModelCaption(SpectrumModel model) {
    switch (model) {
        case SpectrumModel::Tucker:
            return Tr("Messages", "Tucker の式");
        case SpectrumModel::Birch:
            return Tr("Messages", "Birch の式");
        case SpectrumModel::Physics:
            break;
    }
    return Tr("Messages", "物理モデル");
}

ModelTitle ModelTitleOf(SpectrumModel model) {
    switch (model) {
        case SpectrumModel::Tucker:
            return {Tr("MainForm", "Diagnostic X-ray Spectrum by the Tucker's formula"),
                    "by Tucker"};
        case SpectrumModel::Birch:
            return {Tr("MainForm", "Diagnostic X-ray Spectrum by the Birch's formula"), "by Birch"};
        case SpectrumModel::Physics:
            break;
    }
    return {Tr("MainForm", "Tubeline — 物理モデル"), "by physics"};
}

std::string TubeVoltageCorrectedMessage(double tubeVoltageKv) {
    return Substitute(Tr("Messages", "管電圧は %1 kV に直して計算します（%2 から %3 kV まで）"),
                      {NumberInMessage(tubeVoltageKv), NumberInMessage(kMinimumTubeVoltageKv),
                       NumberInMessage(kMaximumTubeVoltageKv)});
}

std::string RectificationCaption(RectificationMode rectification) {
    return Tr("Rectification", RectificationName(rectification));
}

std::vector<std::string> ConditionSummary(const IrradiationConditions& conditions,
                                          const MaterialFilter& filters) {
    const std::string model = ModelCaption(conditions.ModelChoice);
    const std::string rectification = RectificationCaption(conditions.Rectification);
    std::string arbitrary = filters.FilterCount == 0 ? Tr("Messages", "任意フィルタ (-)")
                                                     : Tr("Messages", "任意フィルタ");
    for (const FilterInUse& filter : FiltersInUse(filters)) {
        arbitrary +=
            Substitute(Tr("Messages", "　%1 = %2 mm"),
                       {MaterialDisplayName(filter.Name), FormatGeneral(filter.ThicknessMm)});
    }
    std::string first = Substitute(Tr("Messages", "%1　%2　管電圧 = %3 kV　ターゲット角度 = %4 度"),
                                   {model, rectification, FormatGeneral(conditions.TubeVoltage),
                                    FormatGeneral(conditions.TargetAngle)});
    if (HasAbsoluteOutput(conditions.ModelChoice)) {
        first += Substitute(Tr("Messages", "　距離 = %1 mm　出力係数 = %2"),
                            {FormatGeneral(conditions.Output.DistanceMm),
                             FormatGeneral(conditions.Output.OutputFactor)});
    }
    return {
        std::move(first),
        Substitute(
            Tr("Messages", "固有ろ過 = %1 mm Al当量　Al フィルタ = %2 mm　Cu フィルタ = %3 mm"),
            {FormatGeneral(conditions.InherentFiltration),
             FormatGeneral(conditions.AluminiumFilter), FormatGeneral(conditions.CopperFilter)}),
        arbitrary,
    };
}

}  // namespace tubeline
