#include "spectrum_export.h"

#include <algorithm>

#include "export_header.h"
#include "model/file_io.h"
#include "model/shift_jis.h"
#include "model/spectrum_table_file.h"
#include "model/text_fields.h"

namespace tubeline {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string TableFileSubject(const std::filesystem::path& tableFile) {
    return " スペクトル表ファイル " + tableFile.string() + " ";
}

// The first `count` lines of the text, without their ends (CR LF, LF or CR). A last line
// without an end counts; the empty rest after a final line end does not.
std::vector<std::string> FirstLines(std::string_view text, int count) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size() && static_cast<int>(lines.size()) < count) {
        const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        lines.emplace_back(text.substr(start, end - start));
        start = end;
        if (start < text.size()) {
            start += text.compare(start, kLineEnd.size(), kLineEnd) == 0 ? kLineEnd.size() : 1;
        }
    }
    return lines;
}

std::vector<std::string> ExportedTableLines(const std::filesystem::path& tableFile) {
    std::string text;
    try {
        text = ReadTextFile(tableFile);
    } catch (const FileError& error) {
        throw ExportError(TableFileSubject(tableFile) + "を読めません（" + error.Reason() + "） ");
    }
    std::vector<std::string> lines = FirstLines(text, kSpectrumTableExportedLines);
    if (static_cast<int>(lines.size()) < kSpectrumTableExportedLines) {
        throw ExportError(TableFileSubject(tableFile) + "は " +
                          std::to_string(kSpectrumTableExportedLines) + " 行に足りません（" +
                          std::to_string(lines.size()) + " 行しかありません） ");
    }
    return lines;
}

}  // namespace

std::vector<std::string> SpectrumExportLines(const IrradiationConditions& conditions,
                                             const MaterialFilter& filters,
                                             const std::filesystem::path& tableFile) {
    std::vector<std::string> lines = SpectrumExportHeader(conditions, filters);
    for (std::string& line : ExportedTableLines(tableFile)) {
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
            throw ExportError(" 保存する内容の " + std::to_string(i + 1) + " 行目「" +
                              Excerpt(lines[i]) + "」の文字「" + error.Character() +
                              "」は Shift-JIS で書けません ");
        }
        bytes += kLineEnd;
    }
    return bytes;
}

void WriteSpectrumExport(const std::filesystem::path& exportFile,
                         const IrradiationConditions& conditions, const MaterialFilter& filters,
                         const std::filesystem::path& tableFile) {
    const std::string bytes =
        EncodeExportLines(SpectrumExportLines(conditions, filters, tableFile));
    try {
        ReplaceFileContents(exportFile, bytes);
    } catch (const FileError& error) {
        throw ExportError(" ファイル " + exportFile.string() + " に保存できません（" +
                          error.Reason() + "） ");
    }
}

std::filesystem::path ExportFilePath(const std::filesystem::path& folder,
                                     std::string_view typedName) {
    // Joined as text: a typed name that starts with a separator must not replace the folder,
    // as the / operator would make it do.
    std::string path = folder.string();
    if (!path.empty() && path.back() != std::filesystem::path::preferred_separator) {
        path += std::filesystem::path::preferred_separator;
    }
    path += typedName;
    path += ".csv";
    return path;
}

std::string ExportSavedMessage(const std::filesystem::path& exportFile) {
    return " データを " + exportFile.string() + " に保存しました ";
}

}  // namespace tubeline
