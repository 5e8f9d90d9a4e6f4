// tubeline-material: the files it writes load in the program and agree with xraylib; every
// refusal is one line with the right exit code and writes nothing.

#include <gtest/gtest.h>
#include <xraylib.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "material_command.h"
#include "model/material_file_reader.h"
#include "support/test_data.h"
#include "xraylib_agreement.h"

namespace tubeline {
namespace {

struct CommandResult {
    int ExitCode;
    std::string Out;
    std::string Err;
};

CommandResult RunCommand(const std::vector<std::string>& arguments) {
    const std::vector<std::string_view> views(arguments.begin(), arguments.end());
    std::ostringstream out;
    std::ostringstream err;
    const int exitCode = tools::RunMaterialCommand(views, out, err);
    return {exitCode, out.str(), err.str()};
}

TEST(MaterialCommand, FormulaFileLoadsAndMatchesXraylib) {
    const testing::ScratchFolder folder;
    const auto path = folder / "Kapton.mix";
    testing::WriteBytes(path, "an older file, replaced\n");
    const CommandResult result = RunCommand(
        {"--formula", "C22H10N2O5", "--density", "1.42", "--name", "Kapton", "-o", path.string()});
    ASSERT_EQ(result.ExitCode, tools::kMaterialExitSuccess) << result.Err;
    EXPECT_EQ(result.Err, "");

    const MaterialFile file = LoadMaterialFile(path);
    EXPECT_EQ(file.Name, "Kapton");
    EXPECT_EQ(file.Density, 1.42);
    // xraylib parses the formula again here, independently of the command.
    testing::ExpectMatchesXraylib(
        file, [](double keV) { return CS_Total_CP("C22H10N2O5", keV, nullptr); }, "C22H10N2O5");
}

TEST(MaterialCommand, NistCompoundGivesTheShippedFileByteForByte) {
    // The same tabulation as data/: with the shipped name and the NIST density it is the
    // shipped file.
    const testing::ScratchFolder folder;
    const auto path = folder / "PET.mix";
    const CommandResult result = RunCommand(
        {"--compound", "Polyethylene Terephthalate (Mylar)", "--name", "PET", "-o", path.string()});
    ASSERT_EQ(result.ExitCode, tools::kMaterialExitSuccess) << result.Err;
    EXPECT_EQ(testing::ReadBytes(path), testing::ReadBytes(testing::DataFolder() / "PET.mix"));
}

TEST(MaterialCommand, ListsTheNistCompounds) {
    const CommandResult result = RunCommand({"--list-compounds"});
    EXPECT_EQ(result.ExitCode, tools::kMaterialExitSuccess);
    EXPECT_NE(result.Out.find("\nKapton Polyimide Film\n"), std::string::npos);
    EXPECT_NE(result.Out.find("\nAir, Dry (near sea level)\n"), std::string::npos);
}

TEST(MaterialCommand, RefusesBadArgumentsInOneLineAndWritesNothing) {
    const testing::ScratchFolder folder;
    const std::string out = (folder / "out.mix").string();
    const std::vector<std::vector<std::string>> refused = {
        {},
        {"--bogus"},
        {"--formula"},
        {"--density", "1", "-o", out},
        {"--formula", "H2O", "--compound", "Water, Liquid", "--density", "1", "-o", out},
        {"--formula", "H2O", "--formula", "D2O", "--density", "1", "-o", out},
        {"--formula", "H2O", "-o", out},
        {"--formula", "H2O", "--density", "1"},
        {"--formula", "Xx2", "--density", "1", "-o", out},
        {"--formula", "h2o", "--density", "1", "-o", out},
        {"--formula", "Es", "--density", "8.84", "-o", out},  // no cross sections in xraylib
        {"--compound", "Unobtainium", "-o", out},
        {"--formula", "H2O", "--density", "0", "-o", out},
        {"--formula", "H2O", "--density", "-1", "-o", out},
        {"--formula", "H2O", "--density", "1,0", "-o", out},
        {"--formula", "H2O", "--density", "inf", "-o", out},
        {"--formula", "H2O", "--density", "nan", "-o", out},
        {"--formula", "H2O", "--density", "", "-o", out},
        // The density times the coefficients leaves the double range.
        {"--formula", "H2O", "--density", "1e307", "-o", out},
        {"--formula", "H2O", "--density", "1", "--name", "", "-o", out},
        {"--formula", "H2O", "--density", "1", "--name", "two\nlines", "-o", out},
        {"--formula", "H2O", "--density", "1", "--name", "\xF0\x9F\x92\xA7", "-o", out},
    };
    for (const auto& arguments : refused) {
        std::string shown;
        for (const std::string& argument : arguments) {
            shown += " [" + argument + "]";
        }
        const CommandResult result = RunCommand(arguments);
        EXPECT_EQ(result.ExitCode, tools::kMaterialExitUsage) << shown;
        EXPECT_EQ(result.Out, "") << shown;
        EXPECT_TRUE(result.Err.starts_with("tubeline-material: ")) << shown << result.Err;
        EXPECT_EQ(result.Err.find('\n'), result.Err.size() - 1) << shown << result.Err;
        EXPECT_FALSE(std::filesystem::exists(out)) << shown;
    }
}

TEST(MaterialCommand, UnwritableFileIsAFileError) {
    const testing::ScratchFolder folder;
    const CommandResult result = RunCommand(
        {"--compound", "Water, Liquid", "-o", (folder / "missing" / "Water.mix").string()});
    EXPECT_EQ(result.ExitCode, tools::kMaterialExitFileError);
    EXPECT_EQ(result.Err.find('\n'), result.Err.size() - 1) << result.Err;
}

}  // namespace
}  // namespace tubeline
