#include "export/spectrum_export.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "model/filter_slots.h"
#include "model/spectrum_model.h"
#include "model/spectrum_table_file.h"
#include "support/test_data.h"

namespace tubeline {
namespace {

using testing::DataFolder;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;
namespace fs = std::filesystem;

const IrradiationConditions kConditions{
    SpectrumModel::Tucker, 100, 12, 2.5 * 0.1, 0.3 * 0.1, 0, RectificationMode::ConstantPotential};

// A table file of `lines` lines, each ended by CR LF.
std::string TableText(int lines) {
    std::string text;
    for (int i = 1; i <= lines; ++i) {
        text += "row " + std::to_string(i) + "\r\n";
    }
    return text;
}

std::string ExportErrorOf(const fs::path& exportFile, const MaterialFilter& filters,
                          const fs::path& tableFile) {
    try {
        WriteSpectrumExport(exportFile, kConditions, filters, tableFile);
    } catch (const ExportError& error) {
        return error.what();
    }
    return "written";
}

TEST(WriteSpectrumExport, WritesShiftJisHeaderAndTableWithCrLf) {
    const ScratchFolder folder;
    CalculationState state;
    state.Attenuation = testing::ShippedAttenuation();
    state.Conditions = kConditions;
    AddFilter(state.Filters, LoadMaterialFile(DataFolder() / "Pb.ele"), 0.1);
    AddFilter(state.Filters, LoadMaterialFile(DataFolder() / "Water.mix"), 10);
    NoRunEffects effects;
    ASSERT_TRUE(ComputeTuckerSpectra(state, {folder / "B_SPCTL.temp"}, effects).Completed());

    WriteSpectrumExport(folder / "abc.csv", state.Conditions, state.Filters,
                        folder / "B_SPCTL.temp");

    // clang-format off
    const std::string header =
        "\x92\xE8\x93\x64\x88\xB3\r\n"                                    // 定電圧
        "\x8A\xC7\x93\x64\x88\xB3 = 100 kV\r\n"                           // 管電圧 = 100 kV
        "\x83^\x81[\x83Q\x83\x62\x83g\x8Ap\x93x = 12 \x93x\r\n"           // ターゲット角度 = 12 度
        "\x8C\xC5\x97L\x82\xEB\x89\xDF = 2.5 mm Al\x93\x96\x97\xCA\r\n"  // 固有ろ過 = 2.5 mm Al当量
        "Al \x83t\x83\x42\x83\x8B\x83^ = 0.3 mm\r\n"                      // Al フィルタ = 0.3 mm
        "Cu \x83t\x83\x42\x83\x8B\x83^ = 0 mm\r\n"                        // Cu フィルタ = 0 mm
        "\x94\x43\x88\xD3\x83t\x83\x42\x83\x8B\x83^\r\n"                  // 任意フィルタ
        "Pb = 0.1 mm\r\n"
        "\x90\x85 = 10 mm\r\n"                                            // 水 = 10 mm
        "\r\n";
    // clang-format on
    const std::string table = ReadBytes(folder / "B_SPCTL.temp");
    std::size_t tableEnd = 0;
    for (int line = 0; line < kSpectrumTableExportedLines; ++line) {
        tableEnd = table.find("\r\n", tableEnd) + 2;
    }
    const std::string written = ReadBytes(folder / "abc.csv");
    EXPECT_EQ(written, header + table.substr(0, tableEnd));
    // 309 + FilterCount lines, every one ended by CR LF.
    const auto lineFeeds = std::count(written.begin(), written.end(), '\n');
    EXPECT_EQ(lineFeeds, 309 + 2);
    EXPECT_EQ(std::count(written.begin(), written.end(), '\r'), lineFeeds);
}

// The preview shows the lines without their ends; table lines may end in CR, LF or CR LF, and
// the 301st needs no end.
TEST(SpectrumExportLines, PreviewHoldsHeaderAndTableLines) {
    const ScratchFolder folder;
    WriteBytes(folder / "table", "row 1\rrow 2\nrow 3\r\n" + TableText(300).substr(21) + "row 301");
    const std::vector<std::string> lines = SpectrumExportLines(kConditions, {}, folder / "table");
    ASSERT_EQ(lines.size(), 309u);
    EXPECT_EQ(lines[6], "任意フィルタ (-)");
    EXPECT_EQ(lines[7], "");
    EXPECT_EQ(lines[8], "row 1");
    EXPECT_EQ(lines[9], "row 2");
    EXPECT_EQ(lines[10], "row 3");
    EXPECT_EQ(lines[11], "row 4");
    EXPECT_EQ(lines[308], "row 301");
}

TEST(WriteSpectrumExport, AMissingOrShortTableWritesNothing) {
    const ScratchFolder folder;
    WriteBytes(folder / "kept.csv", "precious");
    EXPECT_EQ(ExportErrorOf(folder / "kept.csv", {}, folder / "B_SPCTL.temp"),
              " スペクトル表ファイル " + (folder / "B_SPCTL.temp").string() +
                  " を読めません（ファイルまたはフォルダがありません） ");
    WriteBytes(folder / "B_SPCTL.temp", TableText(300));
    EXPECT_EQ(ExportErrorOf(folder / "kept.csv", {}, folder / "B_SPCTL.temp"),
              " スペクトル表ファイル " + (folder / "B_SPCTL.temp").string() +
                  " は 301 行に足りません（300 行しかありません） ");
    EXPECT_EQ(ReadBytes(folder / "kept.csv"), "precious");
}

TEST(WriteSpectrumExport, ANameShiftJisCannotWriteIsRefusedWithItsLine) {
    const ScratchFolder folder;
    WriteBytes(folder / "table", TableText(301));
    WriteBytes(folder / "kept.csv", "precious");
    MaterialFilter filters;
    AddFilter(filters, LoadMaterialFile(DataFolder() / "Al.ele"), 1);
    AddFilter(filters, LoadMaterialFile(DataFolder() / "Pb.ele"), 1);
    filters.FilterName[2] = "Pb☢";
    EXPECT_EQ(ExportErrorOf(folder / "kept.csv", filters, folder / "table"),
              " 保存する内容の 9 行目「Pb☢ = 1 mm」の文字「☢」は Shift-JIS で書けません ");
    EXPECT_EQ(ReadBytes(folder / "kept.csv"), "precious");
}

TEST(WriteSpectrumExport, WriteFailuresLeaveAnExistingFileIntact) {
    const ScratchFolder folder;
    WriteBytes(folder / "table", TableText(301));
    EXPECT_EQ(ExportErrorOf(folder / "no" / "a.csv", {}, folder / "table"),
              " ファイル " + (folder / "no" / "a.csv").string() +
                  " に保存できません（ファイルまたはフォルダがありません） ");
    EXPECT_NE(
        ExportErrorOf("/dev/full", {}, folder / "table").find("ディスクの空き容量がありません"),
        std::string::npos);

    WriteBytes(folder / "kept.csv", "precious");
    fs::permissions(folder / "kept.csv", fs::perms::owner_read);
    EXPECT_NE(ExportErrorOf(folder / "kept.csv", {}, folder / "table").find("に保存できません"),
              std::string::npos);
    EXPECT_EQ(ReadBytes(folder / "kept.csv"), "precious");
}

TEST(WriteSpectrumExport, OverwritesAWritableFileSilently) {
    const ScratchFolder folder;
    WriteBytes(folder / "table", TableText(301));
    WriteBytes(folder / "a.csv", std::string(100000, 'x'));
    WriteSpectrumExport(folder / "a.csv", kConditions, {}, folder / "table");
    const std::string written = ReadBytes(folder / "a.csv");
    EXPECT_TRUE(written.ends_with("row 301\r\n")) << written.substr(written.size() - 20);
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 309);
}

TEST(ExportFilePath, JoinsFolderAndNameAsTyped) {
    EXPECT_EQ(ExportFilePath("/home/op/data", "abc"), fs::path("/home/op/data/abc.csv"));
    EXPECT_EQ(ExportFilePath("/home/op/data", "abc.csv"), fs::path("/home/op/data/abc.csv.csv"));
    EXPECT_EQ(ExportFilePath("/home/op/data", " abc "), fs::path("/home/op/data/ abc .csv"));
    EXPECT_EQ(ExportFilePath("/", "abc"), fs::path("/abc.csv"));
    EXPECT_EQ(ExportFilePath("", "abc"), fs::path("abc.csv"));
    // A leading separator does not escape the folder.
    EXPECT_EQ(ExportFilePath("/home/op", "/etc/x"), fs::path("/home/op//etc/x.csv"));
}

TEST(ExportSavedMessage, NamesThePath) {
    EXPECT_EQ(ExportSavedMessage("/home/op/abc.csv"), " データを /home/op/abc.csv に保存しました ");
}

}  // namespace
}  // namespace tubeline
