#include "condition_names.h"

#include <algorithm>
#include <cctype>

#include "translatable.h"

namespace tubeline {
namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}

}  // namespace

std::string_view SpectrumModelName(SpectrumModel model) {
    switch (model) {
        case SpectrumModel::Tucker:
            return "tucker";
        case SpectrumModel::Birch:
            return "birch";
        case SpectrumModel::Physics:
            break;
    }
    return "physics";
}

std::optional<SpectrumModel> SpectrumModelNamed(std::string_view name) {
    for (const SpectrumModel model : kSpectrumModels) {
        if (SameIgnoringCase(name, SpectrumModelName(model))) {
            return model;
        }
    }
    return std::nullopt;
}

int RectificationNumber(RectificationMode rectification) {
    return static_cast<int>(rectification);
}

std::optional<RectificationMode> RectificationFromNumber(int number) {
    for (const RectificationMode mode : kRectifications) {
        if (RectificationNumber(mode) == number) {
            return mode;
        }
    }
    return std::nullopt;
}

std::optional<RectificationMode> RectificationNumbered(std::string_view number) {
    return number.size() == 1 ? RectificationFromNumber(number[0] - '0') : std::nullopt;
}

const char* RectificationName(RectificationMode rectification) {
    switch (rectification) {
        case RectificationMode::ConstantPotential:
            return TUBELINE_TRANSLATABLE("Rectification", "定電圧");
        case RectificationMode::ThreePhaseTwelvePulse:
            return TUBELINE_TRANSLATABLE("Rectification", "三相12ピーク");
        case RectificationMode::SinglePhaseFullWave:
            break;
    }
    return TUBELINE_TRANSLATABLE("Rectification", "単相全波");
}

std::string_view ConditionFieldName(ConditionField field) {
    switch (field) {
        case ConditionField::TubeVoltage:
            return "kv";
        case ConditionField::TargetAngle:
            return "angle";
        case ConditionField::InherentFiltration:
            return "inherent";
        case ConditionField::AluminiumFilter:
            return "al";
        case ConditionField::CopperFilter:
            break;
    }
    return "cu";
}

std::optional<ConditionField> ConditionFieldNamed(std::string_view name) {
    for (const ConditionField field : kConditionFields) {
        if (name == ConditionFieldName(field)) {
            return field;
        }
    }
    return std::nullopt;
}

std::string_view AddedFilterSymbol(AddedFilter filter) {
    return filter == AddedFilter::Aluminium ? "Al" : "Cu";
}

std::optional<AddedFilter> AddedFilterNamed(std::string_view name) {
    for (const AddedFilter filter : {AddedFilter::Aluminium, AddedFilter::Copper}) {
        if (SameIgnoringCase(name, AddedFilterSymbol(filter))) {
            return filter;
        }
    }
    return std::nullopt;
}

ConditionField AddedFilterField(AddedFilter filter) {
    return filter == AddedFilter::Aluminium ? ConditionField::AluminiumFilter
                                            : ConditionField::CopperFilter;
}

}  // namespace tubeline
