#include "cli/calculator.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "base/shift_jis.h"
#include "calculator_runs.h"
#include "model/spectrum_table_file.h"
#include "support/test_data.h"

namespace tubeline {
namespace {

using testing::Calculate;
using testing::DataFolder;
using testing::Outcome;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

TEST(Calculator, PrintsExactlyTheTwoResultLines) {
    const Outcome outcome = Calculate({});
    ASSERT_EQ(outcome.Code, 0) << outcome.Err;
    EXPECT_EQ(outcome.Err, "");
    std::istringstream lines(outcome.Out);
    std::string first, second, third;
    std::getline(lines, first);
    std::getline(lines, second);
    EXPECT_FALSE(std::getline(lines, third));
    EXPECT_TRUE(first.starts_with("Half Value Layer = ") && first.ends_with(" mm Al")) << first;
    EXPECT_TRUE(second.starts_with("Fluence / 1[C/kg] = ") && second.ends_with(" Photons / mm2"))
        << second;
}

TEST(Calculator, DefaultsAreTheWindowsDefaults) {
    EXPECT_EQ(Calculate({}).Out,
              Calculate({"--model", "tucker", "--kv", "100", "--angle", "12", "--inherent", "2.5",
                         "--al", "0", "--cu", "0", "--rectification", "1"})
                  .Out);
    EXPECT_EQ(Calculate({"--model", "birch"}).Out, Calculate({"--model=Birch", "--angle=16"}).Out);
    EXPECT_NE(Calculate({"--model", "birch"}).Out,
              Calculate({"--model", "birch", "--angle", "12"}).Out);
}

TEST(Calculator, ValuesFollowTheFieldRules) {
    const Outcome corrected = Calculate({"--kv", "200"});
    EXPECT_EQ(corrected.Code, 0);
    EXPECT_EQ(corrected.Err,
              "tubeline-calc: 管電圧は 150 kV に直して計算します（30 から 150 kV まで）\n");
    EXPECT_EQ(corrected.Out, Calculate({"--kv", "150"}).Out);
    // Nothing typed is read as something else, and no thickness is negative.
    for (const auto& [arguments, message] : {
             std::pair<std::vector<std::string>, std::string>{
                 {"--kv", "120kV"}, "Ｘ線管電圧の値「120kV」は数値ではありません"},
             {{"--al", "1,5"}, "アルミ付加フィルタの値「1,5」は数値ではありません"},
             {{"--inherent", ""}, "固有ろ過（Al 当量）の値を入力して下さい"},
             {{"--cu", "-0.2"}, "銅付加フィルタの値が負です。厚さは 0 mm 以上にして下さい"},
             {{"--filter", DataFolder().string() + "/Pb.ele:-1"},
              "フィルターの厚さの値が負です。厚さは 0 mm 以上にして下さい"},
             {{"--match-hvl", "0.34.0"}, "目標の半価層の値「0.34.0」は数値ではありません"},
             {{"--match-hvl", "-2"}, "目標の半価層が正の数ではありません"},
             {{"--match-hvl", "1e400"}, "目標の半価層の値が数値の範囲を超えています"},
             {{"--model", "physics", "--distance", "0"}, "距離の値は 0 より大きい数にして下さい"},
             {{"--distance", "-500"}, "距離の値は 0 より大きい数にして下さい"},
             {{"--output-factor", "0.8x"}, "出力係数の値「0.8x」は数値ではありません"},
             {{"--output-factor", "1e999"}, "出力係数の値が数値の範囲を超えています"},
         }) {
        const Outcome refused = Calculate(arguments);
        EXPECT_EQ(refused.Code, 2) << message;
        EXPECT_EQ(refused.Out, "");
        EXPECT_EQ(refused.Err, "tubeline-calc: " + message + "\n");
    }
}

TEST(Calculator, RejectionsExitTwoWithTheirMessage) {
    const Outcome small = Calculate({"--angle", "11.99"});
    EXPECT_EQ(small.Code, 2);
    EXPECT_EQ(small.Out, "");
    EXPECT_EQ(small.Err, "tubeline-calc: ターゲット角度が最小限度 (12度) 以下です\n");
    EXPECT_EQ(Calculate({"--angle", "90"}).Code, 2);
    EXPECT_EQ(Calculate({"--kv", "1e999"}).Err,
              "tubeline-calc: Ｘ線管電圧の値が数値の範囲を超えています\n");
    const Outcome zero = Calculate({"--cu", "1e7"});
    EXPECT_EQ(zero.Code, 2);
    EXPECT_NE(zero.Err.find("0 になりました"), std::string::npos);
}

TEST(Calculator, BadArgumentsExitTwoWithOneLine) {
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--model", "kramers"},
          {"--rectification", "4"},
          {"--kv"},
          {"--frobnicate"},
          {"100"},
          {"--format", "xml"},
          {"--match-with", "cu"},
          {"--batch", "-", "--kv", "80"}}) {
        const Outcome outcome = Calculate(arguments);
        EXPECT_EQ(outcome.Code, 2) << arguments[0];
        EXPECT_EQ(std::count(outcome.Err.begin(), outcome.Err.end(), '\n'), 1) << outcome.Err;
        EXPECT_TRUE(outcome.Err.starts_with("tubeline-calc: ")) << outcome.Err;
    }
    EXPECT_EQ(Calculate({"--kv"}).Err, "tubeline-calc: option --kv needs a value (see --help)\n");
}

TEST(Calculator, HelpAndVersionAnswerWithoutARun) {
    const Outcome help = Calculate({"--help"}, false);
    EXPECT_EQ(help.Code, 0);
    EXPECT_TRUE(help.Out.starts_with("Usage: tubeline-calc")) << help.Out;
    const Outcome version = Calculate({"--kv", "80", "--version"}, false);
    EXPECT_EQ(version.Code, 0);
    EXPECT_TRUE(
        std::regex_match(version.Out, std::regex("tubeline-calc [0-9]+\\.[0-9]+(\\.[0-9]+)*\n")))
        << version.Out;
}

TEST(Calculator, MissingDataIsAFileError) {
    const ScratchFolder folder;
    const Outcome outcome = Calculate({"--data", folder.Path().string()}, false);
    EXPECT_EQ(outcome.Code, 1);
    EXPECT_NE(outcome.Err.find("Att_Coeff2020.dat を読めません"), std::string::npos);

    // Without the physics model's files only that model is refused.
    std::filesystem::copy_file(DataFolder() / "Att_Coeff2020.dat", folder / "Att_Coeff2020.dat");
    const Outcome physics =
        Calculate({"--data", folder.Path().string(), "--model", "physics", "--lang", "en"}, false);
    EXPECT_EQ(physics.Code, 1);
    EXPECT_EQ(physics.Err, "tubeline-calc: The physics model's data file " +
                               (folder / "TungstenTarget.bin").string() +
                               " cannot be used (no such file or folder). Tucker's and Birch's "
                               "formulas still compute.\n");
    EXPECT_EQ(Calculate({"--data", folder.Path().string()}, false).Code, 0);
}

// The physics model adds its absolute output to the two lines; the other models have none and
// say so when a distance or output factor is given.
TEST(Calculator, OnlyThePhysicsModelHasAnAbsoluteOutput) {
    const Outcome physics = Calculate({"--model", "physics"});
    ASSERT_EQ(physics.Code, 0) << physics.Err;
    EXPECT_EQ(physics.Err, "");
    EXPECT_EQ(std::count(physics.Out.begin(), physics.Out.end(), '\n'), 5) << physics.Out;
    EXPECT_NE(physics.Out.find("\nAir Kerma / 1 mAs at 1 m = "), std::string::npos);
    EXPECT_NE(physics.Out.find(" µGy\nFluence / 1 mAs at 1 m = "), std::string::npos);
    EXPECT_NE(physics.Out.find("\nAir Kerma / 1 mAs at 1000 mm, output factor 1 = "),
              std::string::npos);

    const Outcome tucker = Calculate({"--distance", "1500", "--lang", "en"});
    EXPECT_EQ(tucker.Code, 0);
    EXPECT_EQ(tucker.Out, Calculate({}).Out);
    EXPECT_EQ(tucker.Err,
              "tubeline-calc: Tucker's formula gives relative spectra: it has no absolute output "
              "(air kerma per mAs)\n");
}

TEST(Calculator, TableIsWrittenOnlyWhenAsked) {
    const ScratchFolder folder;
    const Outcome outcome = Calculate({"--table", (folder / "t.temp").string(), "--kv", "80"});
    ASSERT_EQ(outcome.Code, 0);
    const std::string table = ReadBytes(folder / "t.temp");
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), kSpectrumTableLineCount);
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()) == false);

    const Outcome unwritable = Calculate({"--table", (folder / "no" / "t.temp").string()});
    EXPECT_EQ(unwritable.Code, 1);
    EXPECT_NE(unwritable.Err.find("を書き込めません"), std::string::npos);
}

std::string Material(const char* fileName, const char* thickness) {
    return testing::ShippedFile(fileName) + ":" + thickness;
}

TEST(Calculator, FiltersEnterTheSpectra) {
    const Outcome none = Calculate({});
    const Outcome lead = Calculate({"--filter", Material("Pb.ele", "0.1")});
    ASSERT_EQ(lead.Code, 0) << lead.Err;
    EXPECT_NE(lead.Out, none.Out);
    EXPECT_EQ(Calculate({"--filter", Material("Pb.ele", "0")}).Out, none.Out);
    // Thicknesses follow the field rules too.
    EXPECT_EQ(Calculate({"--filter", Material("Pb.ele", " 0.1 ")}).Out, lead.Out);
}

TEST(Calculator, TheLastColonEndsTheFileName) {
    const ScratchFolder folder;
    std::filesystem::create_directory(folder / "a:b");
    std::filesystem::copy_file(DataFolder() / "Pb.ele", folder / "a:b" / "Pb.ele");
    const Outcome outcome = Calculate({"--filter", (folder / "a:b" / "Pb.ele").string() + ":0.1"});
    EXPECT_EQ(outcome.Code, 0) << outcome.Err;
    EXPECT_EQ(outcome.Out, Calculate({"--filter", Material("Pb.ele", "0.1")}).Out);
}

TEST(Calculator, FullWidthNumbersReadAsTyped) {
    EXPECT_EQ(Calculate({"--kv", "１２０", "--filter", Material("Al.ele", "０．５")}).Out,
              Calculate({"--kv", "120", "--filter", Material("Al.ele", "0.5")}).Out);
}

TEST(Calculator, FilterMistakesExitWithTheirMessage) {
    const std::string al = Material("Al.ele", "1");
    const Outcome fourth =
        Calculate({"--filter", al, "--filter", al, "--filter", al, "--filter", al});
    EXPECT_EQ(fourth.Code, 2);
    EXPECT_EQ(fourth.Err, "tubeline-calc: at most 3 --filter options (see --help)\n");
    EXPECT_EQ(Calculate({"--filter", "Al.ele"}).Err,
              "tubeline-calc: --filter needs FILE:MM, not 'Al.ele' (see --help)\n");

    const ScratchFolder folder;
    WriteBytes(folder / "Bad.ele", "Bad\n-1\n");
    const Outcome refused = Calculate({"--filter", (folder / "Bad.ele").string() + ":1"});
    EXPECT_EQ(refused.Code, 1);
    EXPECT_EQ(refused.Out, "");
    EXPECT_EQ(refused.Err, "tubeline-calc: 材質ファイル " + (folder / "Bad.ele").string() +
                               " の密度 -1 は正の数ではありません。\n");
    const Outcome overflow = Calculate({"--filter", Material("Al.ele", "1e999")});
    EXPECT_EQ(overflow.Code, 2);
    EXPECT_EQ(overflow.Err, "tubeline-calc: フィルターの厚さの値が数値の範囲を超えています\n");
    const Outcome empty = Calculate({"--filter", Material("Al.ele", "")});
    EXPECT_EQ(empty.Code, 2);
    EXPECT_EQ(empty.Err, "tubeline-calc: フィルターの厚さを入力して下さい。\n");
}

TEST(Calculator, CsvIsTheExportOfTheRun) {
    const ScratchFolder folder;
    const Outcome outcome =
        Calculate({"--rectification", "3", "--filter", Material("Pb.ele", "0.1"), "--filter",
                   Material("Water.mix", "10"), "--table", (folder / "t.temp").string(), "--csv",
                   (folder / "out.csv").string()});
    ASSERT_EQ(outcome.Code, 0) << outcome.Err;
    const std::vector<std::string> csv = testing::CrLfLines(ReadBytes(folder / "out.csv"));
    const std::vector<std::string> table = testing::CrLfLines(ReadBytes(folder / "t.temp"));
    ASSERT_EQ(csv.size(), 309u + 2);
    EXPECT_EQ(csv[0], EncodeShiftJis("単相全波"));
    EXPECT_EQ(csv[6], EncodeShiftJis("任意フィルタ"));
    EXPECT_EQ(csv[7], "Pb = 0.1 mm");
    EXPECT_EQ(csv[8], EncodeShiftJis("水 = 10 mm"));
    EXPECT_EQ(csv[9], "");
    EXPECT_EQ(std::vector<std::string>(csv.begin() + 10, csv.end()),
              std::vector<std::string>(table.begin(), table.begin() + kSpectrumTableExportedLines));
}

TEST(Calculator, CsvWithoutTableLeavesNoScratchFile) {
    const ScratchFolder folder;
    const std::filesystem::path scratch = folder / "tmp";
    std::filesystem::create_directory(scratch);
    ::setenv("TMPDIR", scratch.c_str(), 1);
    const Outcome outcome = Calculate({"--csv", (folder / "a.csv").string()});
    ::unsetenv("TMPDIR");
    ASSERT_EQ(outcome.Code, 0) << outcome.Err;
    EXPECT_TRUE(std::filesystem::is_empty(scratch));

    ASSERT_EQ(
        Calculate({"--table", (folder / "t.temp").string(), "--csv", (folder / "b.csv").string()})
            .Code,
        0);
    EXPECT_EQ(ReadBytes(folder / "a.csv"), ReadBytes(folder / "b.csv"));
}

TEST(Calculator, CsvFailuresAreFileErrors) {
    const ScratchFolder folder;
    const Outcome outcome = Calculate({"--csv", (folder / "no" / "a.csv").string()});
    EXPECT_EQ(outcome.Code, 1);
    EXPECT_EQ(outcome.Err, "tubeline-calc: ファイル " + (folder / "no" / "a.csv").string() +
                               " に保存できません（ファイルまたはフォルダがありません）\n");
}

}  // namespace
}  // namespace tubeline
