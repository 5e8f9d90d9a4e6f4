#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/beam_quality_figures.h"
#include "model/calculation_state.h"

namespace tubeline {

// The beam centre's two figures as the result column shows them and tubeline-calc prints them.
// Their captions and units are English in every language, as the window has always shown them.
inline constexpr std::string_view kHalfValueLayerCaption = "Half Value Layer =";
inline constexpr std::string_view kHalfValueLayerUnit = "mm Al";
inline constexpr std::string_view kFluencePerExposureCaption = "Fluence / 1[C/kg] =";
inline constexpr std::string_view kFluencePerExposureUnit = "Photons / mm2";

// Decimals of a half-value layer in mm Al, wherever people read one.
inline constexpr int kHalfValueLayerDecimals = 2;

struct BeamQualityTexts {
    std::string HalfValueLayer;      // "#0.00", mm Al; "> 100.00" beyond the search
    std::string FluencePerExposure;  // "0.000E+00", photons / mm2 per 1 C/kg
    bool operator==(const BeamQualityTexts&) const = default;
};
BeamQualityTexts ResultTexts(const BeamQuality& quality);

// "Half Value Layer = 3.26 mm Al" and "Fluence / 1[C/kg] = 6.842E+11 Photons / mm2".
std::string HalfValueLayerLine(const BeamQualityTexts& texts);
std::string FluencePerExposureLine(const BeamQualityTexts& texts);

// The absolute output of the beam centre, for a model that has one, as tubeline-calc prints it
// after the two lines above, in their style (English in every language):
//   "Air Kerma / 1 mAs at 1 m = 82.60 µGy" (two decimals),
//   "Fluence / 1 mAs at 1 m = 3.101E+06 Photons / mm2",
//   "Air Kerma / 1 mAs at 1500 mm, output factor 0.8 = 29.37 µGy".
// None for figures without an absolute output.
std::vector<std::string> AbsoluteOutputLines(const BeamQualityFigures& figures,
                                             const OutputValues& output);

// Why a model's figures hold no absolute output: its spectra are relative.
std::string NoAbsoluteOutputMessage(SpectrumModel model);

}  // namespace tubeline
