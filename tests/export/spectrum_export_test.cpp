#include "export/spectrum_export.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "model/filter_slots.h"
#include "model/spectrum_model.h"
#include "model/spectrum_table_file.h"
#include "support/messages.h"
#include "support/test_data.h"

namespace tubeline {
namespace {

using testing::DataFolder;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;
namespace fs = std::filesystem;

const IrradiationConditions kConditions{
    {100, 12, 2.5, 0.3, 0}, SpectrumModel::Tucker, RectificationMode::ConstantPotential};

// A table file of `lines` lines, each ended by CR LF.
std::string TableText(int lines) {
    std::string text;
    for (int i = 1; i <= lines; ++i) {
        text += "row " + std::to_string(i) + "\r\n";
    }
    return text;
}

ExportedRun RunWith(const MaterialFilter& filters, std::string tableText = TableText(301)) {
    return {kConditions, filters, std::move(tableText)};
}

std::string ExportErrorOf(const fs::path& exportFile, const MaterialFilter& filters) {
    const std::string message =
        testing::MessageOf([&] { WriteSpectrumExport(exportFile, RunWith(filters)); });
    return message.empty() ? "written" : message;
}

TEST(WriteSpectrumExport, WritesShiftJisHeaderAndTableWithCrLf) {
    const ScratchFolder folder;
    CalculationState state;
    state.Attenuation = testing::ShippedAttenuation();
    state.Conditions = kConditions;
    AddFilter(state.Filters, LoadMaterialFile(DataFolder() / "Pb.ele"), 0.1);
    AddFilter(state.Filters, LoadMaterialFile(DataFolder() / "Water.mix"), 10);
    const RunOutcome outcome = testing::RunModel(state);
    ASSERT_TRUE(testing::Completed(outcome));
    const ModelRun& run = std::get<ModelRun>(outcome);

    WriteSpectrumExport(folder / "abc.csv", {state.Conditions, state.Filters, run.TableText});

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
    const std::vector<std::string> table = testing::CrLfLines(run.TableText);
    ASSERT_EQ(table.size(), 304u);
    std::string exported = header;
    for (int line = 0; line < kSpectrumTableExportedLines; ++line) {
        exported += table[line] + "\r\n";
    }
    const std::string written = ReadBytes(folder / "abc.csv");
    EXPECT_EQ(written, exported);
    // 309 + FilterCount lines, every one ended by CR LF.
    const auto lineFeeds = std::count(written.begin(), written.end(), '\n');
    EXPECT_EQ(lineFeeds, 309 + 2);
    EXPECT_EQ(std::count(written.begin(), written.end(), '\r'), lineFeeds);
}

// The preview shows the lines without their ends: the header and the table's first 301 lines.
TEST(SpectrumExportLines, PreviewHoldsHeaderAndTableLines) {
    const std::vector<std::string> lines = SpectrumExportLines(RunWith({}, TableText(304)));
    ASSERT_EQ(lines.size(), 309u);
    EXPECT_EQ(lines[6], "任意フィルタ (-)");
    EXPECT_EQ(lines[7], "");
    EXPECT_EQ(lines[8], "row 1");
    EXPECT_EQ(lines[308], "row 301");
}

TEST(WriteSpectrumExport, ANameShiftJisCannotWriteIsRefusedWithItsLine) {
    const ScratchFolder folder;
    WriteBytes(folder / "kept.csv", "precious");
    MaterialFilter filters;
    AddFilter(filters, LoadMaterialFile(DataFolder() / "Al.ele"), 1);
    AddFilter(filters, LoadMaterialFile(DataFolder() / "Pb.ele"), 1);
    filters.FilterName[2] = "Pb☢";
    EXPECT_EQ(ExportErrorOf(folder / "kept.csv", filters),
              "保存する内容の 9 行目「Pb☢ = 1 mm」の文字「☢」は Shift-JIS で書けません");
    EXPECT_EQ(ReadBytes(folder / "kept.csv"), "precious");
}

TEST(WriteSpectrumExport, WriteFailuresLeaveAnExistingFileIntact) {
    const ScratchFolder folder;
    EXPECT_EQ(ExportErrorOf(folder / "no" / "a.csv", {}),
              "ファイル " + (folder / "no" / "a.csv").string() +
                  " に保存できません（ファイルまたはフォルダがありません）");
    EXPECT_NE(ExportErrorOf("/dev/full", {}).find("ディスクの空き容量がありません"),
              std::string::npos);

    WriteBytes(folder / "kept.csv", "precious");
    fs::permissions(folder / "kept.csv", fs::perms::owner_read);
    EXPECT_NE(ExportErrorOf(folder / "kept.csv", {}).find("に保存できません"), std::string::npos);
    EXPECT_EQ(ReadBytes(folder / "kept.csv"), "precious");
}

TEST(WriteSpectrumExport, OverwritesAWritableFileSilently) {
    const ScratchFolder folder;
    WriteBytes(folder / "a.csv", std::string(100000, 'x'));
    WriteSpectrumExport(folder / "a.csv", RunWith({}));
    const std::string written = ReadBytes(folder / "a.csv");
    EXPECT_TRUE(written.ends_with("row 301\r\n")) << written.substr(written.size() - 20);
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 309);
}

TEST(SaveFilePath, JoinsFolderAndNameAsTyped) {
    EXPECT_EQ(SaveFilePath("/home/op/data", "abc", ".csv"), fs::path("/home/op/data/abc.csv"));
    EXPECT_EQ(SaveFilePath("/home/op/data", "abc.csv", ".csv"),
              fs::path("/home/op/data/abc.csv.csv"));
    EXPECT_EQ(SaveFilePath("/home/op/data", " abc ", ".bmp"), fs::path("/home/op/data/ abc .bmp"));
    EXPECT_EQ(SaveFilePath("/home/op/data", "..", ".bmp"), fs::path("/home/op/data/...bmp"));
    EXPECT_EQ(SaveFilePath("/home/op/data", "", ".bmp"), fs::path("/home/op/data/.bmp"));
    EXPECT_EQ(SaveFilePath("/", "abc", ".csv"), fs::path("/abc.csv"));
    EXPECT_EQ(SaveFilePath("", "abc", ".csv"), fs::path("abc.csv"));
}

TEST(SaveFilePath, ANameWithASeparatorWouldLeaveTheFolderAndIsRefused) {
    for (const char* name : {"/etc/x", "../x", "sub/x", "a\\b"}) {
        EXPECT_EQ(testing::MessageOf([&] { SaveFilePath("/home/op", name, ".csv"); }),
                  std::string("ファイル名に区切り文字「") +
                      (std::string(name).find('/') != std::string::npos ? "/" : "\\") +
                      "」は使えません。保存フォルダは一覧で選んで下さい")
            << name;
    }
}

}  // namespace
}  // namespace tubeline
