#include "file_messages.h"

#include <cerrno>
#include <cstring>
#include <utility>
#include "base/text_fields.h"
#include "translation.h"
#include "value_messages.h"

namespace tubeline {
namespace {

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
                      {NumberInMessage(field.Row), NumberInMessage(field.Field)});
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
    return Substitute(Tr("Messages", "%1 行のデータのうちデータ行 %2 の第 %3 項目がありません"),
                      {NumberInMessage(ends.RowCount), NumberInMessage(ends.Missing.Row),
                       NumberInMessage(ends.Missing.Field)});
}

// What is wrong with the target tables, for ModelDataMessage.
std::string TargetTablesReason(const TungstenTargetProblem& problem) {
    using Problem = TungstenTargetProblem;
    return std::visit(
        Overloaded{
            [](const FileProblem& cause) { return FileProblemReason(cause); },
            [](const Problem::NotTargetTables&) {
                return Tr("Messages", "ターゲットの表の形式ではありません");
            },
            [](const Problem::EndsEarly& cause) {
                return Substitute(Tr("Messages", "配列 %1 の途中で終わっています"), {cause.Array});
            },
            [](const Problem::UnexpectedArray& cause) {
                return Substitute(Tr("Messages", "配列 %1 の位置に %2 があります"),
                                  {cause.Expected, cause.Found});
            },
            [](const Problem::WrongShape& cause) {
                std::string dimensions;
                for (const std::size_t size : cause.Dimensions) {
                    dimensions += (dimensions.empty() ? "" : " × ") + std::to_string(size);
                }
                return Substitute(Tr("Messages", "配列 %1 の大きさ %2 が合いません"),
                                  {cause.Array, dimensions});
            },
            [](const Problem::BadValue& cause) {
                return Substitute(
                    Tr("Messages", "配列 %1 の %2 番目の値 %3 は使えません"),
                    {cause.Array, std::to_string(cause.Index), NumberInMessage(cause.Value)});
            },
            [](const Problem::TooFewEnergies& cause) {
                return Substitute(
                    Tr("Messages", "配列 %1 は %2 keV までしかなく、%3 keV まで必要です"),
                    {cause.Array, NumberInMessage(cause.HighestKeV),
                     NumberInMessage(cause.NeededKeV)});
            },
            [](const Problem::TrailingBytes& cause) {
                return Substitute(Tr("Messages", "最後の配列の後に %1 バイト余分にあります"),
                                  {std::to_string(cause.Count)});
            },
        },
        problem.Cause);
}

// What is wrong with the lines, for ModelDataMessage.
std::string TungstenLinesReason(const TungstenLinesProblem& problem) {
    using Problem = TungstenLinesProblem;
    return std::visit(
        Overloaded{
            [](const FileProblem& cause) { return FileProblemReason(cause); },
            [](const Problem::EndsEarly& cause) {
                return Substitute(Tr("Messages", "%1 番目の線の第 %2 項目がありません"),
                                  {NumberInMessage(cause.Record), NumberInMessage(cause.Field)});
            },
            [](const Problem::UnknownShell& cause) {
                return Substitute(
                    Tr("Messages", "%1 行目の殻「%2」は K、L1、L2、L3 のどれでもありません"),
                    {NumberInMessage(cause.Line), Excerpt(cause.Text)});
            },
            [](const Problem::BadNumber& cause) {
                return Substitute(
                    Tr("Messages", "%1 行目の第 %2 項目「%3」は範囲内の数値ではありません"),
                    {NumberInMessage(cause.Line), NumberInMessage(cause.Field),
                     Excerpt(cause.Text)});
            },
            [](const Problem::SharesAboveOne& cause) {
                constexpr const char* kShellNames[] = {"K", "L1", "L2", "L3"};
                return Substitute(
                    Tr("Messages", "殻 %1 の線の割合の和 %2 が 1 を超えています"),
                    {kShellNames[static_cast<int>(cause.Shell)], NumberInMessage(cause.Sum)});
            },
            [](const Problem::NoLines&) { return Tr("Messages", "線がひとつもありません"); },
        },
        problem.Cause);
}

}  // namespace

std::string ModelDataMessage(const ModelDataRefusal& refusal) {
    const auto [file, reason] =
        std::visit(Overloaded{
                       [](const TungstenTargetProblem& problem) {
                           return std::pair(problem.File, TargetTablesReason(problem));
                       },
                       [](const TungstenLinesProblem& problem) {
                           return std::pair(problem.File, TungstenLinesReason(problem));
                       },
                   },
                   refusal.Problem);
    return Substitute(Tr("Messages",
                         "物理モデルのデータファイル %1 を使えません（%2）。"
                         "Tucker と Birch の式は計算できます。"),
                      {file, reason});
}

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
                                  {file, NumberInMessage(kAttenuationFieldCount),
                                   NumberInMessage(cause.FieldsFound),
                                   NumberInMessage(cause.Record), NumberInMessage(cause.Field)});
            },
            [&](const Problem::NotANumber& cause) {
                return Substitute(Tr("Messages",
                                     "減弱係数ファイル %1 の %2 行目、レコード %3 の第 %4 "
                                     "項目「%5」は数値ではありません。"),
                                  {file, NumberInMessage(cause.Line), NumberInMessage(cause.Record),
                                   NumberInMessage(cause.Field), Excerpt(cause.Text)});
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
                    {file, NumberInMessage(cause.Line), MaterialFieldName(cause.Where),
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
                    {file, Excerpt(cause.Text), NumberInMessage(cause.Limit)});
            },
            [&](const Problem::EnergyNotPositive& cause) {
                return Substitute(Tr("Messages",
                                     "材質ファイル %1 の %2 行目、データ行 %3 のエネルギー %4 MeV "
                                     "は正の数ではありません。"),
                                  {file, NumberInMessage(cause.Line), NumberInMessage(cause.Row),
                                   NumberInMessage(cause.Energy)});
            },
            [&](const Problem::EnergyDescending& cause) {
                return Substitute(
                    Tr("Messages",
                       "材質ファイル %1 の %2 行目、データ行 %3 のエネルギー %4 MeV "
                       "が前の行の %5 MeV "
                       "より小さくなっています。エネルギーは小さい順に並べて下さい。"),
                    {file, NumberInMessage(cause.Line), NumberInMessage(cause.Row),
                     NumberInMessage(cause.Energy), NumberInMessage(cause.Previous)});
            },
            [&](const Problem::SumOutOfRange& cause) {
                return Substitute(Tr("Messages",
                                     "材質ファイル %1 の %2 行目、データ行 %3 "
                                     "の減弱係数の和が数値の範囲を超えています。"),
                                  {file, NumberInMessage(cause.Line), NumberInMessage(cause.Row)});
            },
            [&](const Problem::SumNotPositive& cause) {
                return Substitute(Tr("Messages",
                                     "材質ファイル %1 の %2 行目、データ行 %3 の減弱係数の和 %4 "
                                     "cm2/g は正の数ではありません。"),
                                  {file, NumberInMessage(cause.Line), NumberInMessage(cause.Row),
                                   NumberInMessage(cause.Sum)});
            },
            [&](const Problem::FirstEnergyTooHigh& cause) {
                return Substitute(
                    Tr("Messages",
                       "材質ファイル %1 の最初のエネルギー %2 MeV が %3 MeV "
                       "より大きくなっています。データはこのエネルギー以下から始めて"
                       "下さい。"),
                    {file, NumberInMessage(cause.Energy), NumberInMessage(cause.Limit)});
            },
            [&](const Problem::LastEnergyTooLow& cause) {
                return Substitute(
                    Tr("Messages",
                       "材質ファイル %1 の最後のエネルギー %2 MeV が %3 MeV "
                       "を超えていません。データはこのエネルギーより先まで必要です。"),
                    {file, NumberInMessage(cause.Energy), NumberInMessage(cause.Limit)});
            },
            [&](const Problem::LinearCoefficientOutOfRange& cause) {
                return Substitute(
                    Tr("Messages",
                       "材質ファイル %1 の密度 %2 g/cm3 と減弱係数 %3 cm2/g "
                       "の積が数値の範囲を超えています。"),
                    {file, NumberInMessage(cause.Density), NumberInMessage(cause.Sum)});
            },
        },
        problem.Cause);
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

std::string ExportMessage(const ExportProblem& problem) {
    return std::visit(
        Overloaded{
            [](const FileProblem& cause) {
                return Substitute(Tr("Messages", "ファイル %1 に保存できません（%2）"),
                                  {cause.Path.string(), FileProblemReason(cause)});
            },
            [](const ExportProblem::UnencodableLine& cause) {
                return Substitute(
                    Tr("Messages",
                       "保存する内容の %1 行目「%2」の文字「%3」は Shift-JIS "
                       "で書けません"),
                    {NumberInMessage(cause.LineNumber), Excerpt(cause.Line), cause.Character});
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

}  // namespace tubeline
