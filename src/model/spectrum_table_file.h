#pragma once

#include <string>
#include <string_view>

#include "calculation_state.h"

namespace tubeline {

// The scratch table every run leaves in the working folder for the data export.
inline constexpr std::string_view kSpectrumTableFileName = "B_SPCTL.temp";

// Lines of the table file: the column titles, one row per energy bin, an empty line, the
// angle peaks and the overall peak.
inline constexpr int kSpectrumTableLineCount = 304;
// What the data export copies: the column titles and the 300 energy rows.
inline constexpr int kSpectrumTableExportedLines = 301;

// The whole table file, every line ended by CR LF. Relative fluences are PhotonSpectrum
// divided by SpectrumPeak; the peaks are written as 1000 times their absolute value.
std::string FormatSpectrumTable(const SpectrumTable& spectra);

}  // namespace tubeline
