#include "messages.h"

#include <cerrno>
#include <cstring>
#include <string>

#include "material_names.h"
#include "model/beam_quality.h"
#include "model/condition_names.h"
#include "model/number_format.h"
#include "model/physics_constants.h"
#include "model/text_fields.h"
#include "result_texts.h"
#include "translation.h"

namespace tubeline {
namespace {

std::string Number(int value) {
    return std::to_string(value);
}

std::string Number(double value) {
    return FormatGeneral(value);
}

template <class... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
template <class... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

// "密度", "データ行数" or "データ行 k の第 f 項目".
std::string MaterialFieldName(const MaterialField& field) {
    switch (field.Which) {
        case MaterialField::Kind::Density:
            return Tr("Messages", "密度");
        case MaterialField::Kind::RowCount:
            return Tr("Messages", "データ行数");
        case MaterialField::Kind::RowValue:
            break;
    }
    return Substitute(Tr("Messages", "データ行 %1 の第 %2 項目"),
                      {Number(field.Row), Number(field.Field)});
}

std::string MissingMaterialField(const MaterialFileProblem::EndsEarly& ends) {
    switch (ends.Missing.Which) {
        case MaterialField::Kind::Density:
            return Tr("Messages", "密度がありません");
        case MaterialField::Kind::RowCount:
            return Tr("Messages", "データ行数がありません");
        case MaterialField::Kind::RowValue:
            break;
    }
    return Substitute(
        Tr("Messages", "%1 行のデータのうちデータ行 %2 の第 %3 項目がありません"),
        {Number(ends.RowCount), Number(ends.Missing.Row), Number(ends.Missing.Field)});
}

std::string FilterThicknessCaption() {
    return Tr("Messages", "フィルターの厚さ");
}

std::string TargetHalfValueLayerCaption() {
    return Tr("Messages", "目標の半価層");
}

std::string NotANumberMessage(const std::string& caption, std::string_view text) {
    return Substitute(Tr("Messages", "%1の値「%2」は数値ではありません"), {caption, Excerpt(text)});
}

std::string MissingValueMessage(const std::string& caption) {
    return Substitute(Tr("Messages", "%1の値を入力して下さい"), {caption});
}

std::string OutOfRangeMessage(const std::string& caption) {
    return Substitute(Tr("Messages", "%1の値が数値の範囲を超えています"), {caption});
}

std::string NegativeThicknessMessage(const std::string& caption) {
    return Substitute(Tr("Messages", "%1の値が負です。厚さは 0 mm 以上にして下さい"), {caption});
}

}  // namespace

std::string FileProblemReason(const FileProblem& problem) {
    if (problem.ReadOnlyFile()) {
        return Tr("Messages", "読み取り専用のファイルです");
    }
    switch (problem.ErrorNumber) {
        case ENOENT:
            return Tr("Messages", "ファイルまたはフォルダがありません");
        case EACCES:
        case EPERM:
            return Tr("Messages", "アクセスが許可されていません");
        case EROFS:
            return Tr("Messages", "読み取り専用の場所です");
        case ENOSPC:
            return Tr("Messages", "ディスクの空き容量がありません");
        case EDQUOT:
            return Tr("Messages", "ディスクの使用量の上限に達しています");
        case EFBIG:
            return Tr("Messages", "ファイルの大きさが上限を超えます");
        case EISDIR:
            return Tr("Messages", "フォルダです");
        case ENOTDIR:
            return Tr("Messages", "途中にフォルダでないファイルがあります");
        case ENAMETOOLONG:
            return Tr("Messages", "名前が長すぎます");
        case EILSEQ:
        case EINVAL:
            return Tr("Messages", "この名前は使えません");
        default:
            return std::strerror(problem.ErrorNumber);
    }
}

std::string AttenuationTableMessage(const AttenuationTableProblem& problem) {
    using Problem = AttenuationTableProblem;
    const std::string& file = problem.File;
    return std::visit(
        Overloaded{
            [&](const FileProblem& cause) {
                return Substitute(Tr("Messages", "減弱係数ファイル %1 を読めません（%2）。"),
                                  {file, FileProblemReason(cause)});
            },
            [&](const Problem::EndsEarly& cause) {
                return Substitute(Tr("Messages",
                                     "減弱係数ファイル %1 のデータが途中で終わっています。%2 "
                                     "個の数値が必要ですが、%3 個しかありません（レコード %4 "
                                     "の第 %5 項目がありません）。"),
                                  {file, Number(kAttenuationFieldCount), Number(cause.FieldsFound),
                                   Number(cause.Record), Number(cause.Field)});
            },
            [&](const Problem::NotANumber& cause) {
                return Substitute(Tr("Messages",
                                     "減弱係数ファイル %1 の %2 行目、レコード %3 の第 %4 "
                                     "項目「%5」は数値ではありません。"),
                                  {file, Number(cause.Line), Number(cause.Record),
                                   Number(cause.Field), Excerpt(cause.Text)});
            },
        },
        problem.Cause);
}

std::string MaterialFileMessage(const MaterialFileProblem& problem) {
    using Problem = MaterialFileProblem;
    const std::string& file = problem.File;
    return std::visit(
        Overloaded{
            [&](const FileProblem& cause) {
                return Substitute(Tr("Messages", "材質ファイル %1 を読めません（%2）。"),
                                  {file, FileProblemReason(cause)});
            },
            [&](const Problem::NameNotText&) {
                return Substitute(Tr("Messages",
                                     "材質ファイル %1 の 1 行目（材質名）は UTF-8 でも Shift-JIS "
                                     "でもありません。"),
                                  {file});
            },
            [&](const Problem::EndsEarly& cause) {
                return Substitute(
                    Tr("Messages", "材質ファイル %1 のデータが途中で終わっています（%2）。"),
                    {file, MissingMaterialField(cause)});
            },
            [&](const Problem::NotANumber& cause) {
                return Substitute(
                    Tr("Messages", "材質ファイル %1 の %2 行目、%3「%4」は数値ではありません。"),
                    {file, Number(cause.Line), MaterialFieldName(cause.Where),
                     Excerpt(cause.Text)});
            },
            [&](const Problem::DensityNotPositive& cause) {
                return Substitute(
                    Tr("Messages", "材質ファイル %1 の密度 %2 は正の数ではありません。"),
                    {file, Excerpt(cause.Text)});
            },
            [&](const Problem::RowCountInvalid& cause) {
                return Substitute(
                    Tr("Messages",
                       "材質ファイル %1 のデータ行数 %2 は 1 から %3 までの整数ではありません。"),
                    {file, Excerpt(cause.Text), Number(cause.Limit)});
            },
            [&](const Problem::EnergyNotPositive& cause) {
                return Substitute(
                    Tr("Messages",
                       "材質ファイル %1 の %2 行目、データ行 %3 のエネルギー %4 MeV "
                       "は正の数ではありません。"),
                    {file, Number(cause.Line), Number(cause.Row), Number(cause.Energy)});
            },
            [&](const Problem::EnergyDescending& cause) {
                return Substitute(
                    Tr("Messages",
                       "材質ファイル %1 の %2 行目、データ行 %3 のエネルギー %4 MeV "
                       "が前の行の %5 MeV "
                       "より小さくなっています。エネルギーは小さい順に並べて下さい。"),
                    {file, Number(cause.Line), Number(cause.Row), Number(cause.Energy),
                     Number(cause.Previous)});
            },
            [&](const Problem::SumOutOfRange& cause) {
                return Substitute(Tr("Messages",
                                     "材質ファイル %1 の %2 行目、データ行 %3 "
                                     "の減弱係数の和が数値の範囲を超えています。"),
                                  {file, Number(cause.Line), Number(cause.Row)});
            },
            [&](const Problem::SumNotPositive& cause) {
                return Substitute(Tr("Messages",
                                     "材質ファイル %1 の %2 行目、データ行 %3 の減弱係数の和 %4 "
                                     "cm2/g は正の数ではありません。"),
                                  {file, Number(cause.Line), Number(cause.Row), Number(cause.Sum)});
            },
            [&](const Problem::FirstEnergyTooHigh& cause) {
                return Substitute(Tr("Messages",
                                     "材質ファイル %1 の最初のエネルギー %2 MeV が %3 MeV "
                                     "より大きくなっています。データはこのエネルギー以下から始めて"
                                     "下さい。"),
                                  {file, Number(cause.Energy), Number(cause.Limit)});
            },
            [&](const Problem::LastEnergyTooLow& cause) {
                return Substitute(
                    Tr("Messages",
                       "材質ファイル %1 の最後のエネルギー %2 MeV が %3 MeV "
                       "を超えていません。データはこのエネルギーより先まで必要です。"),
                    {file, Number(cause.Energy), Number(cause.Limit)});
            },
            [&](const Problem::LinearCoefficientOutOfRange& cause) {
                return Substitute(Tr("Messages",
                                     "材質ファイル %1 の密度 %2 g/cm3 と減弱係数 %3 cm2/g "
                                     "の積が数値の範囲を超えています。"),
                                  {file, Number(cause.Density), Number(cause.Sum)});
            },
        },
        problem.Cause);
}

std::string ConditionCaption(ConditionField field) {
    switch (field) {
        case ConditionField::TubeVoltage:
            return Tr("Messages", "Ｘ線管電圧");
        case ConditionField::TargetAngle:
            return Tr("Messages", "ターゲット角度");
        case ConditionField::InherentFiltration:
            return Tr("Messages", "固有ろ過（Al 当量）");
        case ConditionField::AluminiumFilter:
            return Tr("Messages", "アルミ付加フィルタ");
        case ConditionField::CopperFilter:
            break;
    }
    return Tr("Messages", "銅付加フィルタ");
}

std::string ConditionRejectionMessage(const ConditionRejection& rejection) {
    const std::string caption = ConditionCaption(rejection.Field);
    switch (rejection.Reason) {
        case ConditionRejection::Kind::Empty:
            return MissingValueMessage(caption);
        case ConditionRejection::Kind::NotANumber:
            return NotANumberMessage(caption, rejection.Text);
        case ConditionRejection::Kind::TargetAngleBelowMinimum:
            return Substitute(Tr("Messages", "ターゲット角度が最小限度 (%1度) 以下です"),
                              {Number(kMinimumTargetAngleDegrees)});
        case ConditionRejection::Kind::TargetAngleFromLimit:
            return Substitute(Tr("Messages", "ターゲット角度が最大限度 (%1度) 以上です"),
                              {Number(kTargetAngleLimitDegrees)});
        case ConditionRejection::Kind::Negative:
            return NegativeThicknessMessage(caption);
        case ConditionRejection::Kind::OutOfRange:
            break;
    }
    return OutOfRangeMessage(caption);
}

std::string TubeVoltageCorrectedMessage(double tubeVoltageKv) {
    return Substitute(
        Tr("Messages", "管電圧は %1 kV に直して計算します（%2 から %3 kV まで）"),
        {Number(tubeVoltageKv), Number(kMinimumTubeVoltageKv), Number(kMaximumTubeVoltageKv)});
}

std::string RectificationCaption(RectificationMode rectification) {
    return Tr("Rectification", RectificationName(rectification));
}

std::string BeamRefusalMessage(const BeamRefusal& refusal) {
    return std::visit(
        Overloaded{
            [](const ConditionRejection& cause) { return ConditionRejectionMessage(cause); },
            [](const FilterRefusal& cause) { return FilterRefusalMessage(cause); },
            [](RunRefusal cause) { return RunRefusalMessage(cause); },
        },
        refusal);
}

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

std::string TableFileMessage(const FileProblem& problem) {
    return Substitute(Tr("Messages", "スペクトル表ファイル %1 を書き込めません（%2）"),
                      {problem.Path.string(), FileProblemReason(problem)});
}

std::string WritableFolderMessage(const FileProblem& problem) {
    return Substitute(Tr("Messages",
                         "作業用フォルダ %1 を作成できません（%2）。"
                         "スペクトル表ファイルは書き込まれません。"),
                      {problem.Path.string(), FileProblemReason(problem)});
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
                                              {Number(kHalfValueLayerSearchLimitMm)});
                        },
                        [](RunRefusal run) { return RunRefusalMessage(run); },
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

std::string BatchHeaderMessage(BatchHeaderProblem problem, std::string_view column,
                               std::string_view knownColumns) {
    switch (problem) {
        case BatchHeaderProblem::Missing:
            return Tr("Messages", "バッチファイルに列名の行がありません");
        case BatchHeaderProblem::UnknownColumn:
            return Substitute(
                Tr("Messages", "バッチファイルの列名「%1」は使えません。使える列名は %2 です"),
                {std::string(column), std::string(knownColumns)});
        case BatchHeaderProblem::RepeatedColumn:
            break;
    }
    return Substitute(Tr("Messages", "バッチファイルの列名「%1」が二度あります"),
                      {std::string(column)});
}

std::string BatchCellMessage(BatchCellProblem problem, std::string_view column,
                             std::string_view value) {
    switch (problem) {
        case BatchCellProblem::ModelUnknown:
            return Substitute(
                Tr("Messages", "%1 の「%2」は使えません。tucker か birch を指定して下さい"),
                {std::string(column), std::string(value)});
        case BatchCellProblem::RectificationUnknown:
            return Substitute(
                Tr("Messages", "%1 の「%2」は使えません。1、2、3 のいずれかを指定して下さい"),
                {std::string(column), std::string(value)});
        case BatchCellProblem::ThicknessWithoutFilter:
            break;
    }
    return Substitute(Tr("Messages", "%1 に厚さ「%2」がありますが、材質ファイルがありません"),
                      {std::string(column), std::string(value)});
}

std::string BatchFieldCountMessage(std::size_t fields, std::size_t columns) {
    return Substitute(Tr("Messages", "この行の項目は %1 個で、列名の数 %2 と合いません"),
                      {std::to_string(fields), std::to_string(columns)});
}

std::string ExportMessage(const ExportProblem& problem) {
    return std::visit(
        Overloaded{
            [](const FileProblem& cause) {
                return Substitute(Tr("Messages", "ファイル %1 に保存できません（%2）"),
                                  {cause.Path.string(), FileProblemReason(cause)});
            },
            [](const ExportProblem::UnencodableLine& cause) {
                return Substitute(Tr("Messages",
                                     "保存する内容の %1 行目「%2」の文字「%3」は Shift-JIS "
                                     "で書けません"),
                                  {Number(cause.LineNumber), Excerpt(cause.Line), cause.Character});
            },
            [](const ExportProblem::NameWithSeparator& cause) {
                return Substitute(Tr("Messages",
                                     "ファイル名に区切り文字「%1」は使えません。保存フォルダは一覧"
                                     "で選んで下さい"),
                                  {cause.Separator});
            },
        },
        problem.Cause);
}

std::string SpectrumDataSavedMessage(const std::filesystem::path& file) {
    return Substitute(Tr("Messages", "データを %1 に保存しました"), {file.string()});
}

std::string ReplaceFileQuestion(const std::filesystem::path& file) {
    return Substitute(Tr("Messages", "ファイル %1 はすでにあります。置き換えますか？"),
                      {file.string()});
}

std::string GraphImageSavedMessage(const std::filesystem::path& file) {
    return Substitute(Tr("Messages", "グラフをBMP画像として %1 に保存しました。"), {file.string()});
}

std::string GraphImageProblemMessage(const FileProblem& problem) {
    return Substitute(Tr("Messages", "グラフ画像を %1 に保存できません（%2）"),
                      {problem.Path.string(), FileProblemReason(problem)});
}

std::vector<std::string> ConditionSummary(const IrradiationConditions& conditions,
                                          const MaterialFilter& filters) {
    const auto millimetres = [](double centimetres) {
        return FormatGeneral(centimetres * kCentimetresToMillimetres);
    };
    const std::string model = conditions.ModelChoice == SpectrumModel::Tucker
                                  ? Tr("Messages", "Tucker の式")
                                  : Tr("Messages", "Birch の式");
    const std::string rectification = RectificationCaption(conditions.Rectification);
    std::string arbitrary = filters.FilterCount == 0 ? Tr("Messages", "任意フィルタ (-)")
                                                     : Tr("Messages", "任意フィルタ");
    for (int slot = 1; slot <= filters.FilterCount; ++slot) {
        arbitrary += Substitute(
            Tr("Messages", "　%1 = %2 mm"),
            {MaterialDisplayName(filters.FilterName[slot]), FilterThicknessText(filters, slot)});
    }
    return {
        Substitute(Tr("Messages", "%1　%2　管電圧 = %3 kV　ターゲット角度 = %4 度"),
                   {model, rectification, FormatGeneral(conditions.TubeVoltage),
                    FormatGeneral(conditions.TargetAngle)}),
        Substitute(
            Tr("Messages", "固有ろ過 = %1 mm Al当量　Al フィルタ = %2 mm　Cu フィルタ = %3 mm"),
            {millimetres(conditions.InherentFiltration), millimetres(conditions.AluminiumFilter),
             millimetres(conditions.CopperFilter)}),
        arbitrary,
    };
}

std::string NoticeMessage(Notice notice) {
    switch (notice) {
        case Notice::NoMaterialChosen:
            return Tr("Messages", "フィルター材質が未選択です。");
        case Notice::NoFileName:
            return Tr("Messages", "ファイル名を入力して下さい");
        case Notice::BeamQualityTableCopied:
            return Tr("Messages", "表をタブ区切りでクリップボードにコピーしました");
        case Notice::FiltersLocked:
            break;
    }
    return Tr("Messages",
              "計算した条件にはフィルターを追加できません。「リセット」してから設定して下さい");
}

}  // namespace tubeline
