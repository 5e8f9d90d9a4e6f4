#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "model/calculation_state.h"

namespace tubeline {

// Why the spectrum data could not be exported, in words for the operator. Nothing has been
// written then, and an existing file of that name is as it was.
class ExportError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Every line of the export as the preview shows it and the file holds it: the condition header
// (see export_header.h) and the column titles and 300 energy rows of the table file the last
// run wrote. Throws ExportError when the table file cannot be read or is too short.
std::vector<std::string> SpectrumExportLines(const IrradiationConditions& conditions,
                                             const MaterialFilter& filters,
                                             const std::filesystem::path& tableFile);

// The file's bytes: every line in Shift-JIS, ended by CR LF. A character without a Shift-JIS
// form throws ExportError naming its line.
std::string EncodeExportLines(const std::vector<std::string>& lines);

// Builds the lines anew, encodes them and replaces the export file as a whole (written beside,
// then renamed), so that a failure leaves an existing file untouched.
void WriteSpectrumExport(const std::filesystem::path& exportFile,
                         const IrradiationConditions& conditions, const MaterialFilter& filters,
                         const std::filesystem::path& tableFile);

// The folder, the platform's separator, the name exactly as typed and ".csv": "abc.csv" gives
// "abc.csv.csv". An empty folder is the working folder.
std::filesystem::path ExportFilePath(const std::filesystem::path& folder,
                                     std::string_view typedName);

// The confirmation shown once the file is written.
std::string ExportSavedMessage(const std::filesystem::path& exportFile);

}  // namespace tubeline
