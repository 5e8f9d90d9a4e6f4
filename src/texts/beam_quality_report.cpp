#include "beam_quality_report.h"

#include <cstddef>

#include "model/energy_grid.h"
#include "base/number_format.h"
#include "result_texts.h"

namespace tubeline {
namespace {

// Decimals of each column on screen; the fluence per exposure is shown as the main window
// shows it, in scientific form.
constexpr int kScientific = -1;
constexpr std::array<int, kFigureColumnCount> kColumnDecimals = {
    kHalfValueLayerDecimals, kHalfValueLayerDecimals, 3, 3, 1, 1, 1, kScientific, 3, 3};

}  // namespace

std::array<std::string, kFigureColumnCount> DisplayedFigures(
    const std::optional<BeamQualityFigures>& figures) {
    std::array<std::string, kFigureColumnCount> cells;
    for (std::size_t column = 0; column < kFigureColumnCount; ++column) {
        const std::optional<double> value =
            figures ? kBeamQualityFields[column].Value(*figures) : std::nullopt;
        if (!value) {
            cells[column] = kAbsentFigure;
        } else if (kColumnDecimals[column] == kScientific) {
            cells[column] = FormatScientific(*value);
        } else {
            cells[column] = FormatFixed(*value, kColumnDecimals[column]);
        }
    }
    return cells;
}

std::string AngleCaption(int angleIndex) {
    const double degrees = EmissionAngleDegrees(angleIndex);
    return (degrees > 0 ? "+" : "") + FormatGeneral(degrees) + "°";
}

std::string BeamQualityTsv(const AngleFigures& figures) {
    std::string text = "angle_deg";
    for (const BeamQualityField& field : kBeamQualityFields) {
        text += '\t';
        text += field.Key;
    }
    text += '\n';
    for (int a = 1; a <= kAngleCount; ++a) {
        text += FormatGeneral(EmissionAngleDegrees(a));
        for (const BeamQualityField& field : kBeamQualityFields) {
            text += '\t';
            if (const std::optional<double> value =
                    figures[a] ? field.Value(*figures[a]) : std::nullopt) {
                text += FormatRoundTrip(*value);
            }
        }
        text += '\n';
    }
    return text;
}

}  // namespace tubeline
