#include "beam_quality_fields.h"

namespace tubeline {

const std::array<BeamQualityField, kQualityFigureCount + kAbsoluteOutputFigureCount>
    kBeamQualityFields{{
        {"hvl1_mm_al", [](const BeamQualityFigures& f) { return f.HalfValueLayerMm; }},
        {"hvl2_mm_al", [](const BeamQualityFigures& f) { return f.SecondHalfValueLayerMm; }},
        {"homogeneity_coefficient",
         [](const BeamQualityFigures& f) { return f.HomogeneityCoefficient; }},
        {"hvl1_mm_cu", [](const BeamQualityFigures& f) { return f.CopperHalfValueLayerMm; }},
        {"mean_energy_kev",
         [](const BeamQualityFigures& f) { return std::optional<double>(f.MeanEnergyKeV); }},
        {"kerma_weighted_mean_energy_kev",
         [](const BeamQualityFigures& f) {
             return std::optional<double>(f.KermaWeightedMeanEnergyKeV);
         }},
        {"effective_energy_kev", [](const BeamQualityFigures& f) { return f.EffectiveEnergyKeV; }},
        {"fluence_per_exposure",
         [](const BeamQualityFigures& f) { return std::optional<double>(f.FluencePerExposure); }},
        {"water_to_air_kerma_ratio",
         [](const BeamQualityFigures& f) { return f.WaterToAirKermaRatio; }},
        {"soft_tissue_to_air_kerma_ratio",
         [](const BeamQualityFigures& f) { return f.SoftTissueToAirKermaRatio; }},
        {"air_kerma_ugy_per_mas_at_1m",
         [](const BeamQualityFigures& f) { return f.AirKermaPerMasAt1mMicrogray; }},
        {"fluence_per_mm2_per_mas_at_1m",
         [](const BeamQualityFigures& f) { return f.FluencePerMasAt1m; }},
        {"air_kerma_ugy_per_mas_at_distance",
         [](const BeamQualityFigures& f) { return f.AirKermaPerMasAtDistanceMicrogray; }},
    }};

}  // namespace tubeline
