#include "spectrum_export.h"

#include <algorithm>

#include "export_header.h"
#include "base/file_io.h"
#include "base/shift_jis.h"
#include "model/spectrum_table_file.h"

namespace tubeline {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
// Separators of this system and of the one the program's files come from.
constexpr std::string_view kSeparators = "/\\";

// The first `count` lines of the text, without their ends.
std::vector<std::string> FirstLines(std::string_view text, int count) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size() && static_cast<int>(lines.size()) < count) {
        const std::size_t end = std::min(text.find(kLineEnd, start), text.size());
        lines.emplace_back(text.substr(start, end - start));
        start = end + kLineEnd.size();
    }
    return lines;
}

}  // namespace

ExportError::ExportError(ExportProblem problem)
    : std::runtime_error("spectrum data not exported"), problem_(std::move(problem)) {}

std::vector<std::string> SpectrumExportLines(const ExportedRun& run) {
    std::vector<std::string> lines = SpectrumExportHeader(run.Conditions, run.Filters);
    for (std::string& line : FirstLines(run.TableText, kSpectrumTableExportedLines)) {
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string EncodeExportLines(const std::vector<std::string>& lines) {
    std::string bytes;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        try {
            bytes += EncodeShiftJis(lines[i]);
        } catch (const UnencodableCharacterError& error) {
            throw ExportError({ExportProblem::UnencodableLine{static_cast<int>(i + 1), lines[i],
                                                              error.Character()}});
        }
        bytes += kLineEnd;
    }
    return bytes;
}

void WriteSpectrumExport(const std::filesystem::path& exportFile, const ExportedRun& run) {
    const std::string bytes = EncodeExportLines(SpectrumExportLines(run));
    try {
        ReplaceFileContents(exportFile, bytes);
    } catch (const FileError& error) {
        throw ExportError({error.Problem()});
    }
}

std::filesystem::path SaveFilePath(const std::filesystem::path& folder, std::string_view typedName,
                                   std::string_view extension) {
    if (const std::size_t at = typedName.find_first_of(kSeparators); at != std::string_view::npos) {
        throw ExportError({ExportProblem::NameWithSeparator{std::string(1, typedName[at])}});
    }
    // Joined as text, so that the name is taken exactly as typed.
    std::string path = folder.string();
    if (!path.empty() && path.back() != std::filesystem::path::preferred_separator) {
        path += std::filesystem::path::preferred_separator;
    }
    path += typedName;
    path += extension;
    return path;
}

}  // namespace tubeline
