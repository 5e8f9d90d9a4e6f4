#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "model/calculation_state.h"

namespace tubeline {

// tubeline-calc --batch: one beam per row of a CSV file whose first row names the columns. Each
// row comes out with its own fields, the figures of the beam centre and an error column; a row
// that a single run would refuse gets the reason there, and the rows after it go on.

// The columns a batch file may name, any of them in any order. A column left out, or a cell
// left empty, takes the value tubeline-calc takes without that option.
inline constexpr std::array<std::string_view, 15> kBatchColumns{
    "model",         "kv",       "angle",         "inherent", "al",         "cu",
    "rectification", "distance", "output-factor", "filter1",  "thickness1", "filter2",
    "thickness2",    "filter3",  "thickness3",
};

// The column names cannot be used; nothing was computed. The message is for people.
class BatchHeaderError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct BatchInput {
    std::istream& Rows;
    std::filesystem::path Name;  // the file, or "-" for standard input
    // The rows after the column names, when known, for the progress bar.
    std::optional<std::size_t> RowCount;
};

struct BatchOutput {
    std::ostream& Rows;
    std::ostream* Progress = nullptr;  // a terminal to draw the progress bar on, or none
};

// Reads the rows in chunks, computes the beams of a chunk on all cores and writes their rows
// in input order. Returns kExitSuccess, or kExitSomeRowsFailed when a row has an error.
// Throws BatchHeaderError, and FileError when the input cannot be read.
int RunBatch(const BatchInput& input, const AttenuationTable& attenuation,
             const BatchOutput& output);

}  // namespace tubeline
