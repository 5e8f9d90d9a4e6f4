// tubeline-calc --format json.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "calculator_runs.h"
#include "export/beam_quality_fields.h"
#include "base/number_format.h"

namespace tubeline {
namespace {

// Parsed keeping the members in their printed order.
using json = nlohmann::ordered_json;
using testing::Calculate;
using testing::Outcome;
using testing::ShippedFile;

json JsonOf(const std::vector<std::string>& arguments) {
    std::vector<std::string> withFormat = arguments;
    withFormat.insert(withFormat.end(), {"--format", "json"});
    const Outcome outcome = Calculate(withFormat);
    EXPECT_EQ(outcome.Code, 0) << outcome.Err;
    return json::parse(outcome.Out);
}

std::vector<std::string> KeysOf(const json& object) {
    std::vector<std::string> keys;
    for (const auto& [key, value] : object.items()) {
        keys.push_back(key);
    }
    return keys;
}

std::vector<std::string> FigureKeys() {
    std::vector<std::string> keys;
    for (const BeamQualityField& field : kBeamQualityFields) {
        keys.emplace_back(field.Key);
    }
    return keys;
}

TEST(JsonOutput, HasTheMembersInTheirOrder) {
    const json beam = JsonOf({"--filter", ShippedFile("Pb.ele") + ":0.1"});
    EXPECT_EQ(KeysOf(beam), (std::vector<std::string>{"model", "conditions", "filters",
                                                      "beam_centre", "per_angle"}));
    EXPECT_EQ(beam["model"], "tucker");
    EXPECT_EQ(KeysOf(beam["conditions"]),
              (std::vector<std::string>{"tube_voltage_kv", "target_angle_deg",
                                        "inherent_filtration_mm_al", "aluminium_mm", "copper_mm",
                                        "rectification"}));
    ASSERT_EQ(beam["filters"].size(), 1u);
    EXPECT_EQ(beam["filters"][0],
              json({{"name", "Pb"}, {"file", ShippedFile("Pb.ele")}, {"thickness_mm", 0.1}}));

    const std::vector<std::string> figures = FigureKeys();
    EXPECT_EQ(KeysOf(beam["beam_centre"]), figures);
    ASSERT_EQ(beam["per_angle"].size(), 11u);
    for (int a = 0; a < 11; ++a) {
        json angle = beam["per_angle"][a];
        EXPECT_EQ(KeysOf(angle).front(), "angle_deg");
        EXPECT_EQ(angle["angle_deg"], 2 * a - 10);
        angle.erase("angle_deg");
        EXPECT_EQ(KeysOf(angle), figures) << a;
    }
}

TEST(JsonOutput, FiguresAreThoseOfTheTextRun) {
    for (const std::vector<std::string>& conditions :
         {std::vector<std::string>{}, {"--model", "birch", "--kv", "70", "--rectification", "3"}}) {
        const Outcome text = Calculate(conditions);
        const json beam = JsonOf(conditions);
        const json& centre = beam["beam_centre"];
        EXPECT_EQ(text.Out,
                  "Half Value Layer = " + FormatFixed(centre["hvl1_mm_al"].get<double>(), 2) +
                      " mm Al\nFluence / 1[C/kg] = " +
                      FormatScientific(centre["fluence_per_exposure"].get<double>()) +
                      " Photons / mm2\n");
        json central = beam["per_angle"][5];
        central.erase("angle_deg");
        EXPECT_EQ(central, centre);
        // The heel effect: the anode side is harder than the cathode side.
        EXPECT_GT(beam["per_angle"][10]["hvl1_mm_al"].get<double>(),
                  beam["per_angle"][0]["hvl1_mm_al"].get<double>());
    }
}

TEST(JsonOutput, ConditionsAreTheCorrectedValuesInTypedUnits) {
    const json beam = JsonOf({"--model", "birch", "--kv", "200", "--al", "0.3", "--cu", " ０.1 ",
                              "--inherent", "1", "--rectification", "2"});
    EXPECT_EQ(beam["model"], "birch");
    EXPECT_EQ(beam["conditions"], json({{"tube_voltage_kv", 150.0},
                                        {"target_angle_deg", 16.0},
                                        {"inherent_filtration_mm_al", 1.0},
                                        {"aluminium_mm", 0.3},
                                        {"copper_mm", 0.1},
                                        {"rectification", 2}}));
}

}  // namespace
}  // namespace tubeline
