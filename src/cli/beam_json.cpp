#include "beam_json.h"

#include "export/beam_quality_fields.h"
#include "model/condition_names.h"

namespace tubeline {
namespace {

using Json = nlohmann::ordered_json;

// The figures by their scripted names; all null when the angle has none.
void AddFigures(Json& object, const std::optional<BeamQualityFigures>& figures) {
    for (const BeamQualityField& field : kBeamQualityFields) {
        const std::optional<double> value = figures ? field.Value(*figures) : std::nullopt;
        object[std::string(field.Key)] = value ? Json(*value) : Json(nullptr);
    }
}

Json ConditionsJson(const PreparedBeam& beam) {
    const IrradiationConditions& values = beam.Conditions;
    return {
        {"tube_voltage_kv", values.TubeVoltage},
        {"target_angle_deg", values.TargetAngle},
        {"inherent_filtration_mm_al", values.InherentFiltration},
        {"aluminium_mm", values.AluminiumFilter},
        {"copper_mm", values.CopperFilter},
        {"rectification", RectificationNumber(beam.Conditions.Rectification)},
        {"distance_mm", values.Output.DistanceMm},
        {"output_factor", values.Output.OutputFactor},
    };
}

Json FiltersJson(const BeamRequest& request, const PreparedBeam& beam) {
    Json filters = Json::array();
    const std::vector<FilterInUse> inUse = FiltersInUse(beam.Filters);
    for (std::size_t i = 0; i < inUse.size(); ++i) {
        filters.push_back({
            {"name", inUse[i].Name},
            {"file", request.Filters[i].MaterialFile.string()},
            {"thickness_mm", inUse[i].ThicknessMm},
        });
    }
    return filters;
}

}  // namespace

Json BeamJson(const BeamRequest& request, const ComputedBeam& beam, const AngleFigures& figures) {
    Json result{
        {"model", SpectrumModelName(beam.Beam.Conditions.ModelChoice)},
        {"conditions", ConditionsJson(beam.Beam)},
        {"filters", FiltersJson(request, beam.Beam)},
    };
    AddFigures(result["beam_centre"], figures[kCentralAngleIndex]);
    Json& perAngle = result["per_angle"] = Json::array();
    for (int a = 1; a <= kAngleCount; ++a) {
        Json angle{{"angle_deg", static_cast<int>(EmissionAngleDegrees(a))}};
        AddFigures(angle, figures[a]);
        perAngle.push_back(std::move(angle));
    }
    return result;
}

Json MatchedFilterJson(std::string_view filter, double thicknessMm) {
    return {{"filter", filter}, {"thickness_mm", thicknessMm}};
}

std::string JsonText(const Json& value) {
    // Names and paths that are not UTF-8 are printed with replacement characters, not refused.
    return value.dump(2, ' ', false, Json::error_handler_t::replace);
}

}  // namespace tubeline
