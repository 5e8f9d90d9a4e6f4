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

}  // namespace tubeline
