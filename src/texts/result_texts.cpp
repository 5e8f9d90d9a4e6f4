#include "result_texts.h"

#include "base/number_format.h"
#include "condition_messages.h"
#include "model/beam_quality.h"
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

std::vector<std::string> AbsoluteOutputLines(const BeamQualityFigures& figures,
                                             const OutputValues& output) {
    constexpr int kKermaDecimals = 2;
    constexpr std::string_view kKermaUnit = "µGy";
    if (!figures.AirKermaPerMasAt1mMicrogray || !figures.FluencePerMasAt1m ||
        !figures.AirKermaPerMasAtDistanceMicrogray) {
        return {};
    }
    return {
        Line("Air Kerma / 1 mAs at 1 m =",
             FormatFixed(*figures.AirKermaPerMasAt1mMicrogray, kKermaDecimals), kKermaUnit),
        Line("Fluence / 1 mAs at 1 m =", FormatScientific(*figures.FluencePerMasAt1m),
             kFluencePerExposureUnit),
        Line("Air Kerma / 1 mAs at " + FormatGeneral(output.DistanceMm) + " mm, output factor " +
                 FormatGeneral(output.OutputFactor) + " =",
             FormatFixed(*figures.AirKermaPerMasAtDistanceMicrogray, kKermaDecimals), kKermaUnit)};
}

std::string NoAbsoluteOutputMessage(SpectrumModel model) {
    return Substitute(
        Tr("Messages",
           "%1のスペクトルは相対値のため、絶対出力（mAs あたりの空気カーマ）はありません"),
        {ModelCaption(model)});
}

}  // namespace tubeline
