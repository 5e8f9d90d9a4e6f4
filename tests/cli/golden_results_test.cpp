// The display texts pinned in tests/golden/display_texts.txt. With the environment variable
// TUBELINE_UPDATE_GOLDEN set, the file is rewritten instead.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/calculator.h"
#include "support/test_data.h"

namespace tubeline {
namespace {

constexpr std::string_view kCommand = "$ tubeline-calc";

// Runs the command as the golden file's regeneration does from the source tree: files named
// data/... are the shipped ones.
std::string OutputOf(const std::string& command) {
    std::vector<std::string> words{"--data", testing::DataFolder().string()};
    std::istringstream arguments(command.substr(kCommand.size()));
    for (std::string word; arguments >> word;) {
        const std::size_t file = word.find("data/");
        words.push_back(file == std::string::npos
                            ? word
                            : word.substr(0, file) +
                                  (testing::DataFolder() / word.substr(file + 5)).string());
    }
    const std::vector<std::string_view> views(words.begin(), words.end());
    std::istringstream in;
    std::ostringstream out, err;
    const int code = RunCalculator(views, {in, out, err});
    return code == kExitSuccess ? out.str() : "exit " + std::to_string(code) + ": " + err.str();
}

TEST(GoldenResults, DisplayTextsAreThePinnedOnes) {
    const std::filesystem::path file =
        testing::DataFolder().parent_path() / "tests/golden/display_texts.txt";
    const std::string golden = testing::ReadBytes(file);
    std::string actual;
    std::istringstream lines(golden);
    int commands = 0;
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with(kCommand)) {
            actual += "\n" + line + "\n" + OutputOf(line);
            ++commands;
        } else if (line.starts_with('#')) {
            actual += line + "\n";
        }
    }
    EXPECT_GE(commands, 9);
    if (std::getenv("TUBELINE_UPDATE_GOLDEN") != nullptr) {
        testing::WriteBytes(file, actual);
        return;
    }
    // On a difference gtest prints the diff.
    EXPECT_EQ(golden, actual) << "TUBELINE_UPDATE_GOLDEN=1 ctest -L golden rewrites " << file;
}

}  // namespace
}  // namespace tubeline
