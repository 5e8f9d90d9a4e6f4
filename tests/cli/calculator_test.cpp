#include "cli/calculator.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "model/spectrum_table_file.h"
#include "support/test_data.h"

namespace tubeline {
namespace {

using testing::DataFolder;
using testing::ReadBytes;
using testing::ScratchFolder;

struct Outcome {
    int Code;
    std::string Out;
    std::string Err;
};

Outcome Calculate(std::vector<std::string> arguments, bool withData = true) {
    if (withData) {
        arguments.insert(arguments.begin(), {"--data", DataFolder().string()});
    }
    const std::vector<std::string_view> views(arguments.begin(), arguments.end());
    std::ostringstream out, err;
    const int code = RunCalculator(views, out, err);
    return {code, out.str(), err.str()};
}

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
    EXPECT_EQ(corrected.Err, "tubeline-calc: tube voltage corrected to 150 kV\n");
    EXPECT_EQ(corrected.Out, Calculate({"--kv", "150"}).Out);
    EXPECT_EQ(Calculate({"--kv", "120kV", "--al", "1,5"}).Out,
              Calculate({"--kv", "120", "--al", "1"}).Out);
    EXPECT_EQ(Calculate({"--al", "-1"}).Code, 0);
}

TEST(Calculator, RejectionsExitTwoWithTheirMessage) {
    const Outcome small = Calculate({"--angle", "11.99"});
    EXPECT_EQ(small.Code, 2);
    EXPECT_EQ(small.Out, "");
    EXPECT_EQ(small.Err, "tubeline-calc:  ターゲット角度が最小限度 (12度) 以下です \n");
    EXPECT_EQ(Calculate({"--angle", "90"}).Code, 2);
    EXPECT_EQ(Calculate({"--kv", "1e999"}).Err,
              "tubeline-calc:  Ｘ線管電圧の値が数値の範囲を超えています \n");
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
          {"100"}}) {
        const Outcome outcome = Calculate(arguments);
        EXPECT_EQ(outcome.Code, 2) << arguments[0];
        EXPECT_EQ(std::count(outcome.Err.begin(), outcome.Err.end(), '\n'), 1) << outcome.Err;
        EXPECT_TRUE(outcome.Err.starts_with("tubeline-calc: ")) << outcome.Err;
    }
    EXPECT_EQ(Calculate({"--kv"}).Err, "tubeline-calc: option --kv needs a value (see --help)\n");
}

TEST(Calculator, HelpPrintsUsage) {
    const Outcome help = Calculate({"--help"}, false);
    EXPECT_EQ(help.Code, 0);
    EXPECT_TRUE(help.Out.starts_with("Usage: tubeline-calc")) << help.Out;
}

TEST(Calculator, MissingDataIsAFileError) {
    const ScratchFolder folder;
    const Outcome outcome = Calculate({"--data", folder.Path().string()}, false);
    EXPECT_EQ(outcome.Code, 1);
    EXPECT_NE(outcome.Err.find("Att_Coeff2020.dat を読めません"), std::string::npos);
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

}  // namespace
}  // namespace tubeline
