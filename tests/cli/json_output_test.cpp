// tubeline-calc --format json.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "base/number_format.h"
#include "calculator_runs.h"
#include "export/beam_quality_fields.h"

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
                                        "rectification", "distance_mm", "output_factor"}));
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

// The text run's lines are the beam centre's figures rounded; only the physics model has an
// absolute output, and its air kerma at a distance falls with the square of the distance and
// scales with the output factor.
TEST(JsonOutput, FiguresAreThoseOfTheTextRun) {
    for (const std::vector<std::string>& conditions :
         {std::vector<std::string>{},
          {"--model", "birch", "--kv", "70", "--rectification", "3"},
          {"--model", "physics", "--kv", "80", "--rectification", "2", "--distance", "2000",
           "--output-factor", "0.5"}}) {
        const Outcome text = Calculate(conditions);
        const json beam = JsonOf(conditions);
        const json& centre = beam["beam_centre"];
        std::string expected =
            "Half Value Layer = " + FormatFixed(centre["hvl1_mm_al"].get<double>(), 2) +
            " mm Al\nFluence / 1[C/kg] = " +
            FormatScientific(centre["fluence_per_exposure"].get<double>()) + " Photons / mm2\n";
        if (beam["model"] == "physics") {
            const double kerma = centre["air_kerma_ugy_per_mas_at_1m"].get<double>();
            EXPECT_DOUBLE_EQ(centre["air_kerma_ugy_per_mas_at_distance"].get<double>(),
                             kerma * 0.5 / 4);
            expected += "Air Kerma / 1 mAs at 1 m = " + FormatFixed(kerma, 2) +
                        " µGy\nFluence / 1 mAs at 1 m = " +
                        FormatScientific(centre["fluence_per_mm2_per_mas_at_1m"].get<double>()) +
                        " Photons / mm2\nAir Kerma / 1 mAs at 2000 mm, output factor 0.5 = " +
                        FormatFixed(kerma * 0.5 / 4, 2) + " µGy\n";
        } else {
            for (const char* key : {"air_kerma_ugy_per_mas_at_1m", "fluence_per_mm2_per_mas_at_1m",
                                    "air_kerma_ugy_per_mas_at_distance"}) {
                EXPECT_TRUE(centre[key].is_null()) << key;
            }
        }
        EXPECT_EQ(text.Out, expected);
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
                                        {"rectification", 2},
                                        {"distance_mm", 1000.0},
                                        {"output_factor", 1.0}}));
    const json physics =
        JsonOf({"--model", "physics", "--distance", "１５００", "--output-factor", "0.8"});
    EXPECT_EQ(physics["model"], "physics");
    EXPECT_EQ(physics["conditions"]["target_angle_deg"], 12.0);
    EXPECT_EQ(physics["conditions"]["distance_mm"], 1500.0);
    EXPECT_EQ(physics["conditions"]["output_factor"], 0.8);
}

}  // namespace
}  // namespace tubeline
