#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tubeline {

// What tubeline-calc says about a --batch file, through the one catalogue.

// What is wrong with the column names, the first row, of a tubeline-calc --batch file.
enum class BatchHeaderProblem {
    Missing,         // the file has no rows at all
    UnknownColumn,   // a name not among the known ones
    RepeatedColumn,  // a name given twice
};
std::string BatchHeaderMessage(BatchHeaderProblem problem, std::string_view column,
                               std::string_view knownColumns);

// Why a row of a --batch file was not read; the row's own value in `value`.
enum class BatchCellProblem {
    ModelUnknown,            // neither tucker nor birch
    RectificationUnknown,    // not 1, 2 or 3
    ThicknessWithoutFilter,  // a thickness column filled, its filter column empty
};
std::string BatchCellMessage(BatchCellProblem problem, std::string_view column,
                             std::string_view value);
std::string BatchFieldCountMessage(std::size_t fields, std::size_t columns);

}  // namespace tubeline
