#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "model/calculation_state.h"
#include "base/file_io.h"

namespace tubeline {

// What one completed run leaves for its export: the conditions and filters it was computed from
// and its table file's text, byte for byte. Exporting from this, and never from the shared table
// file that another run (or another running program) may have replaced since, keeps the header
// and the rows of one file from two different runs.
struct ExportedRun {
    IrradiationConditions Conditions;
    MaterialFilter Filters;
    std::string TableText;
};

// Why nothing was exported; an existing file of that name is then as it was.
struct ExportProblem {
    // A line holds a character without a Shift-JIS form.
    struct UnencodableLine {
        int LineNumber;  // 1-based
        std::string Line;
        std::string Character;
    };
    // A typed name that would leave the chosen folder.
    struct NameWithSeparator {
        std::string Separator;
    };
    std::variant<FileProblem, UnencodableLine, NameWithSeparator> Cause;
};

class ExportError : public std::runtime_error {
  public:
    explicit ExportError(ExportProblem problem);
    const ExportProblem& Problem() const { return problem_; }

  private:
    ExportProblem problem_;
};

// Every line of the export as the preview shows it and the file holds it: the condition header
// (see export_header.h) and the column titles and 300 energy rows of the run's table.
std::vector<std::string> SpectrumExportLines(const ExportedRun& run);

// The file's bytes: every line in Shift-JIS, ended by CR LF. A character without a Shift-JIS
// form throws ExportError naming its line.
std::string EncodeExportLines(const std::vector<std::string>& lines);

// Builds the lines, encodes them and replaces the export file as a whole (written beside, then
// renamed), so that a failure leaves an existing file untouched.
void WriteSpectrumExport(const std::filesystem::path& exportFile, const ExportedRun& run);

// Where a save dialog writes: the folder, the platform's separator, the name exactly as typed
// and the extension, so that "abc.csv" gives "abc.csv.csv". A name holding a separator would
// put the file elsewhere than in the folder shown and throws ExportError. An empty folder is
// the working folder.
std::filesystem::path SaveFilePath(const std::filesystem::path& folder, std::string_view typedName,
                                   std::string_view extension);

}  // namespace tubeline
