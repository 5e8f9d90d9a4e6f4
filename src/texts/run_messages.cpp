#include "run_messages.h"

#include "base/text_fields.h"
#include "condition_messages.h"
#include "file_messages.h"
#include "translation.h"
#include "value_messages.h"

namespace tubeline {
std::string RunRefusalMessage(RunRefusal refusal) {
    switch (refusal) {
        case RunRefusal::ZeroSpectra:
            return Tr("Messages",
                      "ろ過が厚すぎるため、スペクトルがすべてのエネルギーで 0 "
                      "になりました。ろ過の条件を見直して下さい");
        case RunRefusal::OutOfRange:
            return Tr("Messages",
                      "スペクトルの値が数値の範囲を超えました。ろ過の条件（負の厚さなど）を見直して"
                      "下さい");
        case RunRefusal::NoBeamQuality:
            break;
    }
    return Tr("Messages",
              "線束中心のスペクトルから参考データ（半価層、フルエンス）を計算できません。ろ過の条件"
              "を見直して下さい");
}

std::string FilterRefusalMessage(const FilterRefusal& refusal) {
    return std::visit(
        Overloaded{
            [](const FilterRefusal::ThicknessMissing&) {
                return Tr("Messages", "フィルターの厚さを入力して下さい。");
            },
            [](const FilterRefusal::ThicknessNotANumber& cause) {
                return NotANumberMessage(FilterThicknessCaption(), cause.Text);
            },
            [](const FilterRefusal::ThicknessOutOfRange&) {
                return OutOfRangeMessage(FilterThicknessCaption());
            },
            [](const FilterRefusal::ThicknessNegative&) {
                return NegativeThicknessMessage(FilterThicknessCaption());
            },
            [](const FilterRefusal::NoFreeSlot&) {
                return Tr("Messages", "フィルターは３種類までです。「解除」してから設定して下さい");
            },
            [](const FilterRefusal::NameNotShiftJis& cause) {
                return Substitute(Tr("Messages",
                                     "材質名「%1」の文字「%2」は Shift-JIS "
                                     "で書けず、名前をスペクトルデータに書けないため、このフィル"
                                     "ターは使えません。材質ファイルの 1 行目を直して下さい"),
                                  {cause.Name, cause.Character});
            },
            [](const FilterRefusal::NameLikeFormula& cause) {
                return Substitute(
                    Tr("Messages",
                       "材質名「%1」はスペクトルデータを開く表計算ソフトに数式として読まれる"
                       "ため、このフィルターは使えません。材質ファイルの 1 行目を =、+、-、@ "
                       "以外の文字で始めて下さい"),
                    {Excerpt(cause.Name)});
            },
            [](const MaterialFileProblem& cause) { return MaterialFileMessage(cause); },
        },
        refusal.Cause);
}

std::string BeamRefusalMessage(const BeamRefusal& refusal) {
    return std::visit(
        Overloaded{
            [](const ConditionRejection& cause) { return ConditionRejectionMessage(cause); },
            [](const FilterRefusal& cause) { return FilterRefusalMessage(cause); },
            [](RunRefusal cause) { return RunRefusalMessage(cause); },
            [](const ModelDataRefusal& cause) { return ModelDataMessage(cause); },
            [](const OutputRejection& cause) { return OutputRejectionMessage(cause); },
        },
        refusal);
}

}  // namespace tubeline
