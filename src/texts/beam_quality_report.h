#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "export/beam_quality_fields.h"
#include "export/spectrum_export.h"
#include "model/beam_quality_figures.h"
#include "model/translatable.h"

namespace tubeline {

// What the beam-quality window shows of a completed run, as plain text: the figures of the
// eleven angles on screen, and the same figures for a spreadsheet.

inline constexpr std::size_t kFigureColumnCount = kQualityFigureCount;

// The captions of the figure table's columns with their units, in the order of
// kBeamQualityFields, for translation in the context "BeamQualityWindow".
inline constexpr std::array<const char*, kFigureColumnCount> kFigureColumnCaptions = {
    TUBELINE_TRANSLATABLE("BeamQualityWindow", "第1半価層\n(mm Al)"),
    TUBELINE_TRANSLATABLE("BeamQualityWindow", "第2半価層\n(mm Al)"),
    TUBELINE_TRANSLATABLE("BeamQualityWindow", "均等度"),
    TUBELINE_TRANSLATABLE("BeamQualityWindow", "第1半価層\n(mm Cu)"),
    TUBELINE_TRANSLATABLE("BeamQualityWindow", "平均エネルギー\n(keV)"),
    TUBELINE_TRANSLATABLE("BeamQualityWindow", "空気カーマ加重\n平均エネルギー\n(keV)"),
    TUBELINE_TRANSLATABLE("BeamQualityWindow", "実効エネルギー\n(keV)"),
    "Fluence / 1[C/kg]\n(Photons / mm²)",
    TUBELINE_TRANSLATABLE("BeamQualityWindow", "水カーマ／\n空気カーマ"),
    TUBELINE_TRANSLATABLE("BeamQualityWindow", "軟部組織カーマ／\n空気カーマ"),
};

// The captions of the absolute output's figures with their units, in the order of
// kBeamQualityFields after the quality's: per mAs, the air kerma and the fluence 1 m from the
// focus, and the air kerma at the conditions' distance times their output factor.
inline constexpr std::array<const char*, kAbsoluteOutputFigureCount> kAbsoluteOutputCaptions = {
    TUBELINE_TRANSLATABLE("BeamQualityWindow", "空気カーマ／mAs\n1 m\n(µGy)"),
    TUBELINE_TRANSLATABLE("BeamQualityWindow", "フルエンス／mAs\n1 m\n(Photons / mm²)"),
    TUBELINE_TRANSLATABLE("BeamQualityWindow", "空気カーマ／mAs\n距離・出力係数\n(µGy)"),
};

// The text of a figure that could not be found.
inline constexpr const char* kAbsentFigure = "—";

// The cells of one angle's row as the window shows them, in the order of kBeamQualityFields:
// half-value layers in mm Al and the homogeneity coefficient as the main window shows its
// layer (two and three decimals), mm Cu with three, energies with one, the fluence per
// exposure as "0.000E+00", the kerma ratios with three. Absent figures, or a whole angle without
// figures, show kAbsentFigure.
std::array<std::string, kFigureColumnCount> DisplayedFigures(
    const std::optional<BeamQualityFigures>& figures);

// The cells of the absolute output of one angle, in the order of kAbsoluteOutputCaptions: the
// air kerma with two decimals, the fluence as "0.000E+00". A model without an absolute output
// (or an angle without figures) shows kAbsentFigure, and NoAbsoluteOutputMessage says why.
std::array<std::string, kAbsoluteOutputFigureCount> DisplayedAbsoluteOutput(
    const std::optional<BeamQualityFigures>& figures);

// The emission angle of an angle index as the row header shows it: "-10°", "0°", "+10°".
std::string AngleCaption(int angleIndex);

// The table as tab-separated text for a spreadsheet: a header line "angle_deg" and the scripted
// names of kBeamQualityFields (those of the absolute output only where the run has one), then
// one line per angle from -10 degrees, every figure in full precision and an absent one as an
// empty cell. Every line ends with a line feed.
std::string BeamQualityTsv(const AngleFigures& figures);

}  // namespace tubeline
