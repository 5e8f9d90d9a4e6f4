#include "match_messages.h"

#include "base/number_format.h"
#include "file_messages.h"
#include "model/beam_quality.h"
#include "result_texts.h"
#include "run_messages.h"
#include "translation.h"
#include "value_messages.h"

namespace tubeline {
std::string HalfValueLayerMatchMessage(const HalfValueLayerMatch& match, double targetMm,
                                       std::string_view variedFilter) {
    using Refused = HalfValueLayerMatchRefused;
    const std::string target = FormatFixed(targetMm, kHalfValueLayerDecimals);
    return std::visit(
        Overloaded{
            [](const HalfValueLayerReached&) { return std::string(); },
            [&](const HalfValueLayerBelowUnfiltered& below) {
                return Substitute(
                    Tr("Messages",
                       "目標の半価層 %1 mm Al は、%2 "
                       "を加えない線質の半価層 %3 mm Al "
                       "より小さいため、フィルタを加えても届きません"),
                    {target, std::string(variedFilter),
                     FormatFixed(below.UnfilteredHalfValueLayerMm, kHalfValueLayerDecimals)});
            },
            [&](const HalfValueLayerBeyondRange& beyond) {
                return Substitute(
                    Tr("Messages",
                       "目標の半価層 %1 mm Al には、%2 を %3 mm "
                       "まで加えても届きません（得られた最大の半価層は "
                       "%4 mm Al）"),
                    {target, std::string(variedFilter), FormatGeneral(beyond.RangeLimitMm),
                     FormatFixed(beyond.LargestHalfValueLayerMm, kHalfValueLayerDecimals)});
            },
            [&](const Refused& refused) {
                return std::visit(
                    Overloaded{
                        [](const Refused::TargetMissing&) {
                            return MissingValueMessage(TargetHalfValueLayerCaption());
                        },
                        [](const Refused::TargetNotANumber& cause) {
                            return NotANumberMessage(TargetHalfValueLayerCaption(), cause.Text);
                        },
                        [](const Refused::TargetNotPositive&) {
                            return Tr("Messages", "目標の半価層が正の数ではありません");
                        },
                        [](const Refused::TargetOutOfRange&) {
                            return OutOfRangeMessage(TargetHalfValueLayerCaption());
                        },
                        [](const Refused::NoFreeSlot&) {
                            return Tr("Messages",
                                      "任意フィルタが３種類とも設定されているため、"
                                      "厚さを探すフィルタを加えられません");
                        },
                        [](const Refused::UnfilteredBeyondSearch&) {
                            return Substitute(Tr("Messages",
                                                 "フィルタを加えなくても半価層が探索の範囲"
                                                 "（%1 mm Al）を超えています"),
                                              {NumberInMessage(kHalfValueLayerSearchLimitMm)});
                        },
                        [](RunRefusal run) { return RunRefusalMessage(run); },
                        [](const ModelDataRefusal& data) { return ModelDataMessage(data); },
                    },
                    refused.Cause);
            },
        },
        match);
}

std::string HalfValueLayerMatchedMessage(std::string_view aluminiumText, double layerMm) {
    return Substitute(
        Tr("Messages",
           "Al %1 mm を設定しました（半価層 %2 mm Al）。「スペクトル計算」で計算して下さい"),
        {std::string(aluminiumText), FormatFixed(layerMm, kHalfValueLayerDecimals)});
}

}  // namespace tubeline
