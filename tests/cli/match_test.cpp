// tubeline-calc --match-hvl.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "calculator_runs.h"
#include "base/number_text.h"

namespace tubeline {
namespace {

using testing::Calculate;
using testing::Outcome;
using testing::ShippedFile;

struct Matched {
    std::string Name;
    std::string Thickness;
    std::string Results;  // the two result lines
};

// "Added <name> = <t> mm" and the rest.
Matched MatchedOf(const Outcome& outcome) {
    EXPECT_EQ(outcome.Code, 0) << outcome.Err;
    std::istringstream lines(outcome.Out);
    std::string added, rest;
    std::getline(lines, added);
    std::getline(lines, rest, '\0');
    EXPECT_TRUE(added.starts_with("Added ") && added.ends_with(" mm")) << added;
    const std::size_t equals = added.find(" = ");
    return {added.substr(6, equals - 6), added.substr(equals + 3, added.size() - equals - 6), rest};
}

double HalfValueLayerOf(const std::string& results) {
    return std::stod(results.substr(results.find(" = ") + 3));
}

// The printed thickness, put into a normal run, gives the target to the displayed digits and
// the very lines the match printed.
TEST(MatchHvl, AReachedTargetIsThePrintedThicknessOfARun) {
    struct Case {
        std::vector<std::string> Conditions;
        std::vector<std::string> Search;
        std::string Name;
        std::string Option;  // of a normal run with the matched filter
        std::string FilePrefix;
    };
    const std::string tin = ShippedFile("Sn.ele"), lead = ShippedFile("Pb.ele");
    for (const Case& c : {Case{{}, {"--match-hvl", "4"}, "Al", "--al", ""},
                          Case{{"--al", "0.5", "--kv", "150"},
                               {"--match-hvl", "6.5", "--match-with", "cu"},
                               "Cu",
                               "--cu",
                               ""},
                          Case{{"--kv", "80"},
                               {"--match-hvl", "５", "--match-with", tin},
                               "Sn",
                               "--filter",
                               tin + ":"},
                          Case{{"--kv", "150", "--model", "birch"},
                               {"--match-hvl", "7", "--match-with", lead},
                               "Pb",
                               "--filter",
                               lead + ":"}}) {
        std::vector<std::string> search = c.Conditions;
        search.insert(search.end(), c.Search.begin(), c.Search.end());
        const Matched matched = MatchedOf(Calculate(search));
        EXPECT_EQ(matched.Name, c.Name);
        const double target = ReadNumberText(c.Search[1]).Value;
        EXPECT_NEAR(HalfValueLayerOf(matched.Results), target, 0.01) << c.Name;

        std::vector<std::string> rerun = c.Conditions;
        rerun.insert(rerun.end(), {c.Option, c.FilePrefix + matched.Thickness});
        EXPECT_EQ(Calculate(rerun).Out, matched.Results) << c.Name;
    }
}

TEST(MatchHvl, TheVariedFilterReplacesTheGivenOne) {
    EXPECT_EQ(Calculate({"--match-hvl", "4", "--al", "3"}).Out,
              Calculate({"--match-hvl", "4"}).Out);
    EXPECT_EQ(Calculate({"--match-hvl", "4", "--al", "1e999"}).Code, 0);
}

TEST(MatchHvl, UnreachedTargetsExitTwoWithTheReason) {
    const Outcome below = Calculate({"--match-hvl", "2"});
    EXPECT_EQ(below.Code, 2);
    EXPECT_EQ(below.Out, "");
    EXPECT_TRUE(below.Err.starts_with("tubeline-calc: 目標の半価層 2.00 mm Al は、Al を加えない"))
        << below.Err;
    EXPECT_TRUE(below.Err.ends_with("届きません\n")) << below.Err;

    const Outcome beyond = Calculate({"--match-hvl", "40", "--match-with", "cu"});
    EXPECT_EQ(beyond.Code, 2);
    EXPECT_NE(beyond.Err.find("Cu を 10 mm まで加えても届きません"), std::string::npos)
        << beyond.Err;
    EXPECT_EQ(std::count(beyond.Err.begin(), beyond.Err.end(), '\n'), 1);

    EXPECT_NE(Calculate({"--match-hvl", "0"}).Err.find("正の数ではありません"), std::string::npos);
}

TEST(MatchHvl, AMaterialFileIsReadAsForAFilter) {
    const Outcome missing = Calculate({"--match-hvl", "4", "--match-with", "none.ele"});
    EXPECT_EQ(missing.Code, 1);
    EXPECT_EQ(missing.Err,
              "tubeline-calc: 材質ファイル none.ele を読めません"
              "（ファイルまたはフォルダがありません）。\n");
    const std::string water = ShippedFile("Water.mix") + ":1";
    const Outcome full = Calculate({"--match-hvl", "4", "--match-with", ShippedFile("Pb.ele"),
                                    "--filter", water, "--filter", water, "--filter", water});
    EXPECT_EQ(full.Code, 2);
    EXPECT_NE(full.Err.find("３種類とも"), std::string::npos) << full.Err;
}

TEST(MatchHvl, JsonNamesTheMatchedFilter) {
    const Matched text = MatchedOf(Calculate({"--match-hvl", "4"}));
    const Outcome outcome = Calculate({"--match-hvl", "4", "--format", "json"});
    ASSERT_EQ(outcome.Code, 0) << outcome.Err;
    const nlohmann::json beam = nlohmann::json::parse(outcome.Out);
    EXPECT_EQ(beam["matched"]["filter"], "Al");
    EXPECT_EQ(beam["matched"]["thickness_mm"], std::stod(text.Thickness));
    EXPECT_EQ(beam["conditions"]["aluminium_mm"], beam["matched"]["thickness_mm"]);
    EXPECT_NEAR(beam["beam_centre"]["hvl1_mm_al"].get<double>(), 4, 0.005);
}

}  // namespace
}  // namespace tubeline
