// tubeline-calc --batch.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "calculator_runs.h"
#include "cli/csv_records.h"
#include "export/beam_quality_fields.h"

namespace tubeline {
namespace {

using testing::Calculate;
using testing::Outcome;
using testing::ScratchFolder;
using testing::ShippedFile;

Outcome Batch(const std::string& input) {
    return Calculate({"--batch", "-"}, true, input);
}

std::vector<std::vector<std::string>> Records(const std::string& text) {
    std::istringstream in(text);
    CsvRecordReader reader(in);
    std::vector<std::vector<std::string>> records;
    for (std::vector<std::string> fields; reader.Next(fields);) {
        records.push_back(fields);
    }
    return records;
}

std::string FigureColumns() {
    std::string columns;
    for (const BeamQualityField& field : kBeamQualityFields) {
        columns += std::string(field.Key) + ",";
    }
    return columns;
}

TEST(Batch, RowsKeepTheirColumnsAndMissingOnesTakeTheDefaults) {
    const Outcome outcome = Batch("kv,model,angle\n80,birch,\n100,,12\n");
    ASSERT_EQ(outcome.Code, 0) << outcome.Err;
    EXPECT_EQ(outcome.Err, "");
    const auto records = Records(outcome.Out);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_TRUE(outcome.Out.starts_with("kv,model,angle," + FigureColumns() + "error\n"))
        << outcome.Out;
    EXPECT_EQ(std::vector<std::string>(records[1].begin(), records[1].begin() + 3),
              (std::vector<std::string>{"80", "birch", ""}));
    EXPECT_EQ(records[1].back(), "");

    // The empty angle is Birch's 16 degrees; the second row is tubeline-calc's defaults.
    const auto explicitly = Records(Batch("kv,model,angle\n80,birch,16\n").Out);
    EXPECT_EQ(std::vector<std::string>(records[1].begin() + 3, records[1].end()),
              std::vector<std::string>(explicitly[1].begin() + 3, explicitly[1].end()));
    const auto defaults = Records(Batch("al\n0\n").Out);
    EXPECT_EQ(std::vector<std::string>(records[2].begin() + 3, records[2].end()),
              std::vector<std::string>(defaults[1].begin() + 1, defaults[1].end()));
}

// The figures of a row, read back as numbers, are bit for bit those --format json prints for
// the same conditions run alone; a figure that is null there (the absolute output of Tucker's
// and Birch's models) is an empty cell.
TEST(Batch, FiguresAreThoseOfSingleRuns) {
    const std::string lead = ShippedFile("Pb.ele");
    const std::vector<std::vector<std::string>> single{
        {"--model", "birch", "--kv", "120", "--rectification", "3"},
        {"--kv", "60", "--al", "1.5", "--cu", "0.1", "--filter", lead + ":0.05"},
        {"--kv", "150", "--angle", "20", "--inherent", "1", "--rectification", "2"},
        {"--model", "physics", "--kv", "70", "--distance", "750", "--output-factor", "0.7"},
    };
    const std::string input =
        "model,kv,angle,inherent,al,cu,rectification,distance,output-factor,filter1,thickness1\n"
        "birch,120,,,,,3,,,,\n"
        "tucker,60,,,1.5,0.1,,,,\"" +
        lead + "\",0.05\n,150,20,1,,,2,,,,\nphysics,70,,,,,,750,0.7,,\n";
    const Outcome outcome = Batch(input);
    ASSERT_EQ(outcome.Code, 0) << outcome.Out;
    const auto records = Records(outcome.Out);
    ASSERT_EQ(records.size(), single.size() + 1);
    constexpr std::size_t kFirstFigure = 11;
    for (std::size_t row = 0; row < single.size(); ++row) {
        std::vector<std::string> arguments = single[row];
        arguments.insert(arguments.end(), {"--format", "json"});
        const nlohmann::json centre =
            nlohmann::json::parse(Calculate(arguments).Out)["beam_centre"];
        for (std::size_t f = 0; f < kBeamQualityFields.size(); ++f) {
            const std::string& cell = records[row + 1][kFirstFigure + f];
            const std::string key(kBeamQualityFields[f].Key);
            if (centre[key].is_null()) {
                EXPECT_TRUE(cell.empty()) << row << " " << key;
                continue;
            }
            ASSERT_FALSE(cell.empty()) << row << " " << key;
            EXPECT_EQ(std::strtod(cell.c_str(), nullptr), centre[key].get<double>())
                << row << " " << key;
        }
    }
    EXPECT_FALSE(records[4][kFirstFigure + kQualityFigureCount].empty());
}

TEST(Batch, ABadRowGetsItsErrorAndTheRestGoOn) {
    const ScratchFolder folder;
    const std::string missing = (folder / "a,\"b\".ele").string();
    // In a field the quotes are doubled, and the field is quoted because of them and the comma.
    std::string quoted = missing;
    for (std::size_t at = quoted.find('"'); at != std::string::npos;
         at = quoted.find('"', at + 2)) {
        quoted.insert(at, 1, '"');
    }
    quoted = "\"" + quoted + "\"";
    const Outcome outcome = Batch(
        "angle,filter1,thickness1,model\n"
        "11,,,\n"
        "," +
        quoted +
        ",1,\n"
        "12,,,kramers\n"
        "12,,0.5,\n"
        "12,,\n"
        "14,,,\n");
    EXPECT_EQ(outcome.Code, 3);
    const auto records = Records(outcome.Out);
    ASSERT_EQ(records.size(), 7u);
    EXPECT_EQ(records[1].back(), "ターゲット角度が最小限度 (12度) 以下です");
    EXPECT_EQ(records[2][1], missing);
    EXPECT_EQ(records[2].back(),
              "材質ファイル " + missing + " を読めません（ファイルまたはフォルダがありません）。");
    EXPECT_NE(records[3].back().find("「kramers」"), std::string::npos);
    EXPECT_NE(records[4].back().find("thickness1"), std::string::npos);
    EXPECT_NE(records[5].back().find("列名の数 4"), std::string::npos);
    EXPECT_EQ(records[5].size(), records[0].size());
    for (std::size_t row = 1; row <= 5; ++row) {
        EXPECT_EQ(records[row][4], "") << row;  // no figures
    }
    EXPECT_NE(records[6][4], "");
    EXPECT_EQ(records[6].back(), "");

    EXPECT_NE(outcome.Out.find("\n," + quoted + ",1,,"), std::string::npos) << outcome.Out;
}

TEST(Batch, ColumnsThatCannotBeUsedRefuseTheBatch) {
    for (const char* header : {"kv,voltage\n100,1\n", "kv,al,kv\n1,2,3\n", ""}) {
        const Outcome outcome = Batch(header);
        EXPECT_EQ(outcome.Code, 2) << header;
        EXPECT_EQ(outcome.Out, "") << header;
        EXPECT_EQ(std::count(outcome.Err.begin(), outcome.Err.end(), '\n'), 1) << outcome.Err;
    }
    EXPECT_NE(Batch("kv,voltage\n").Err.find("「voltage」"), std::string::npos);
}

TEST(Batch, ReadsAFileAndDrawsProgressOnlyWhereAsked) {
    const ScratchFolder folder;
    testing::WriteBytes(folder / "rows.csv", "kv\r\n60\r\n\r\n90\r\n");
    const Outcome outcome = Calculate({"--batch", (folder / "rows.csv").string()});
    EXPECT_EQ(outcome.Code, 0) << outcome.Err;
    EXPECT_EQ(outcome.Err, "");
    EXPECT_EQ(outcome.Out, Batch("kv\n60\n90\n").Out);

    const std::vector<std::string> arguments{"--data", testing::DataFolder().string(), "--batch",
                                             (folder / "rows.csv").string()};
    const std::vector<std::string_view> views(arguments.begin(), arguments.end());
    std::istringstream in;
    std::ostringstream out, err, terminal;
    EXPECT_EQ(RunCalculator(views, {in, out, err, &terminal}), 0);
    EXPECT_EQ(out.str(), outcome.Out);
    EXPECT_EQ(err.str(), "");
    const std::string drawn = terminal.str();
    EXPECT_NE(drawn.find("/2 rows"), std::string::npos) << drawn;
    // Cleared at the end: the last thing written is blanks back to the line's start.
    EXPECT_TRUE(drawn.ends_with(" \r")) << drawn;

    const Outcome missing = Calculate({"--batch", (folder / "none.csv").string()});
    EXPECT_EQ(missing.Code, 1);
    EXPECT_NE(missing.Err.find("none.csv"), std::string::npos);
}

}  // namespace
}  // namespace tubeline
