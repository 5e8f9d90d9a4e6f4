#include "batch_messages.h"

#include "texts/translation.h"
#include "texts/value_messages.h"

namespace tubeline {
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

}  // namespace tubeline
