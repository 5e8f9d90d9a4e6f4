#include "result_texts.h"

#include "model/beam_quality.h"
#include "base/number_format.h"
#include "translation.h"

namespace tubeline {
namespace {

std::string Line(std::string_view caption, std::string_view value, std::string_view unit) {
    return std::string(caption) + " " + std::string(value) + " " + std::string(unit);
}

}  // namespace

BeamQualityTexts ResultTexts(const BeamQuality& quality) {
    return {quality.HalfValueLayer
                ? FormatFixed(*quality.HalfValueLayer, kHalfValueLayerDecimals)
                : "> " + FormatFixed(kHalfValueLayerSearchLimitMm, kHalfValueLayerDecimals),
            FormatScientific(quality.FluencePerExposure)};
}

std::string HalfValueLayerLine(const BeamQualityTexts& texts) {
    return Line(kHalfValueLayerCaption, texts.HalfValueLayer, kHalfValueLayerUnit);
}

std::string FluencePerExposureLine(const BeamQualityTexts& texts) {
    return Line(kFluencePerExposureCaption, texts.FluencePerExposure, kFluencePerExposureUnit);
}

std::string PointerReadingText(double energyKeV, double relative) {
    constexpr int kEnergyDecimals = 1;
    constexpr int kRelativeDecimals = 3;
    return Substitute(
        Tr("MainForm", "%1 keV　相対値 %2"),
        {FormatFixed(energyKeV, kEnergyDecimals), FormatFixed(relative, kRelativeDecimals)});
}

}  // namespace tubeline
