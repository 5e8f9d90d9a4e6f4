#include "beam_quality_report.h"

#include <cstddef>
#include <span>

#include "base/number_format.h"
#include "model/energy_grid.h"
#include "result_texts.h"

namespace tubeline {
namespace {

// Decimals of each column on screen; the fluence per exposure is shown as the main window
// shows it, in scientific form.
constexpr int kScientific = -1;
constexpr std::array<int, kFigureColumnCount + kAbsoluteOutputFigureCount> kColumnDecimals = {
    kHalfValueLayerDecimals,
    kHalfValueLayerDecimals,
    3,
    3,
    1,
    1,
    1,
    kScientific,
    3,
    3,
    2,
    kScientific,
    2};

// The cells of the fields [first, first + Count) of kBeamQualityFields.
template <std::size_t Count>
std::array<std::string, Count> DisplayedCells(const std::optional<BeamQualityFigures>& figures,
                                              std::size_t first) {
    std::array<std::string, Count> cells;
    for (std::size_t i = 0; i < Count; ++i) {
        const std::size_t column = first + i;
        const std::optional<double> value =
            figures ? kBeamQualityFields[column].Value(*figures) : std::nullopt;
        if (!value) {
            cells[i] = kAbsentFigure;
        } else if (kColumnDecimals[column] == kScientific) {
            cells[i] = FormatScientific(*value);
        } else {
            cells[i] = FormatFixed(*value, kColumnDecimals[column]);
        }
    }
    return cells;
}

}  // namespace

std::array<std::string, kFigureColumnCount> DisplayedFigures(
    const std::optional<BeamQualityFigures>& figures) {
    return DisplayedCells<kFigureColumnCount>(figures, 0);
}

std::array<std::string, kAbsoluteOutputFigureCount> DisplayedAbsoluteOutput(
    const std::optional<BeamQualityFigures>& figures) {
    return DisplayedCells<kAbsoluteOutputFigureCount>(figures, kFigureColumnCount);
}

std::string AngleCaption(int angleIndex) {
    const double degrees = EmissionAngleDegrees(angleIndex);
    return (degrees > 0 ? "+" : "") + FormatGeneral(degrees) + "°";
}

std::string BeamQualityTsv(const AngleFigures& figures) {
    bool absolute = false;
    for (const std::optional<BeamQualityFigures>& angle : figures) {
        absolute = absolute || (angle && angle->AirKermaPerMasAt1mMicrogray);
    }
    const std::span<const BeamQualityField> fields =
        std::span(kBeamQualityFields)
            .first(absolute ? kBeamQualityFields.size() : kFigureColumnCount);
    std::string text = "angle_deg";
    for (const BeamQualityField& field : fields) {
        text += '\t';
        text += field.Key;
    }
    text += '\n';
    for (int a = 1; a <= kAngleCount; ++a) {
        text += FormatGeneral(EmissionAngleDegrees(a));
        for (const BeamQualityField& field : fields) {
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
