#include "model/filter_slots.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/material_attenuation.h"
#include "model/spectrum_model.h"
#include "support/test_data.h"
#include "texts/run_messages.h"

namespace tubeline {
namespace {

using testing::DataFolder;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::TuckerBeamState;
using testing::WriteBytes;

MaterialFile Shipped(const char* fileName) {
    return LoadMaterialFile(DataFolder() / fileName);
}

// Three filters as "設定" leaves them after three OKs.
MaterialFilter ThreeFilters() {
    MaterialFilter filters;
    AddFilter(filters, Shipped("Al.ele"), 0.3);
    AddFilter(filters, Shipped("Cu.ele"), 2.5);
    AddFilter(filters, Shipped("Water.mix"), 10);
    return filters;
}

TEST(AddFilter, FillsTheNextSlot) {
    MaterialFilter filters;
    EXPECT_EQ(AddFilter(filters, Shipped("Pb.ele"), 0.3), 1);
    EXPECT_EQ(AddFilter(filters, Shipped("Mo.ele"), 0.03), 2);
    EXPECT_EQ(filters.FilterCount, 2);
    EXPECT_EQ(filters.FilterName[1], "Pb");
    EXPECT_EQ(filters.FilterName[2], "Mo");
    EXPECT_EQ(filters.FilterThickness[1], 0.3);
    EXPECT_EQ(filters.MuFilter[2], MuFilterOf(Shipped("Mo.ele")));
    EXPECT_EQ(filters.MuFilter[3], EnergyArray{});
}

TEST(AddFilter, AFullSetIsACallersMistake) {
    MaterialFilter filters = ThreeFilters();
    EXPECT_THROW(AddFilter(filters, Shipped("Pb.ele"), 1), std::logic_error);
    EXPECT_EQ(filters.FilterCount, 3);
    EXPECT_EQ(filters.FilterName[3], "水");
}

TEST(ReleaseFilters, EmptiesEverySlotButKeepsNamesAndThicknesses) {
    MaterialFilter filters = ThreeFilters();
    ReleaseFilters(filters);
    EXPECT_EQ(filters.FilterCount, 0);
    for (int slot = 1; slot <= kFilterSlotCount; ++slot) {
        EXPECT_EQ(filters.MuFilter[slot], EnergyArray{}) << slot;
    }
    EXPECT_EQ(filters.FilterName[2], "Cu");
    EXPECT_EQ(filters.FilterThickness[3], 10);
    // The slots fill again from the first.
    EXPECT_EQ(AddFilter(filters, Shipped("Sn.ele"), 1), 1);
}

TEST(FilterThicknessText, ShowsTheThicknessAsTyped) {
    const MaterialFilter filters = ThreeFilters();
    EXPECT_EQ(FilterThicknessText(filters, 1), "0.3");
    EXPECT_EQ(FilterThicknessText(filters, 2), "2.5");
    EXPECT_EQ(FilterThicknessText(filters, 3), "10");
}

TEST(AddFilterFromFile, ReadsTheThicknessAsOneNumberLikeEveryField) {
    MaterialFilter filters;
    EXPECT_FALSE(AddFilterFromFile(filters, DataFolder() / "Cu.ele", " ０.5 "));
    EXPECT_EQ(filters.FilterThickness[1], 0.5);
    // A thickness of 0 mm is a listed filter that lets everything through.
    EXPECT_FALSE(AddFilterFromFile(filters, DataFolder() / "Pb.ele", "0"));
    EXPECT_EQ(filters.FilterCount, 2);
    EXPECT_EQ(FilterThicknessText(filters, 2), "0");
    for (int j = 1; j <= kEnergyBinCount; ++j) {
        EXPECT_EQ(std::exp(-filters.MuFilter[2][j] * filters.FilterThickness[2]), 1) << j;
    }
}

TEST(AddFilterFromFile, ARefusedFileOrThicknessChangesNothing) {
    const ScratchFolder folder;
    WriteBytes(folder / "Short.ele", "Short\n1\n3\n0.001,1,1,1,0,0\n");
    // A name the CSV export could not write: refused when added, not after the run.
    const std::string water = ReadBytes(DataFolder() / "Water.mix");
    WriteBytes(folder / "Emoji.mix", "Water \xF0\x9F\x92\xA7" + water.substr(water.find('\n')));
    MaterialFilter filters;
    AddFilter(filters, Shipped("Al.ele"), 1);
    const MaterialFilter before = filters;
    const auto messageOf = [&](const std::filesystem::path& file, std::string_view thickness) {
        const std::optional<FilterRefusal> refusal = AddFilterFromFile(filters, file, thickness);
        return refusal ? FilterRefusalMessage(*refusal) + (refusal->FileRefused() ? " [file]" : "")
                       : "added";
    };

    EXPECT_EQ(messageOf(folder / "Short.ele", "1"),
              "材質ファイル " + (folder / "Short.ele").string() +
                  " のデータが途中で終わっています（3 行のデータのうちデータ行 2 の第 1 "
                  "項目がありません）。 [file]");
    EXPECT_NE(messageOf(folder / "None.ele", "1").find("を読めません"), std::string::npos);
    EXPECT_EQ(messageOf(folder / "Emoji.mix", "1"),
              "材質名「Water 💧」の文字「💧」は Shift-JIS "
              "で書けず、名前をスペクトルデータに書けないため、このフィルターは使えません。材質"
              "ファイルの 1 行目を直して下さい [file]");
    EXPECT_EQ(messageOf(DataFolder() / "Pb.ele", "1e999"),
              "フィルターの厚さの値が数値の範囲を超えています");
    EXPECT_EQ(messageOf(DataFolder() / "Pb.ele", ""), "フィルターの厚さを入力して下さい。");
    EXPECT_EQ(messageOf(DataFolder() / "Pb.ele", "1,5"),
              "フィルターの厚さの値「1,5」は数値ではありません");
    EXPECT_EQ(messageOf(DataFolder() / "Pb.ele", "-1"),
              "フィルターの厚さの値が負です。厚さは 0 mm 以上にして下さい");
    // A name that a spreadsheet would run as a formula when it opens the exported data.
    for (const char* start : {"=", "+", "-", "@", "\t"}) {
        WriteBytes(folder / "Formula.mix",
                   start + std::string("WEBSERVICE(\"x\")") + water.substr(water.find('\n')));
        EXPECT_EQ(messageOf(folder / "Formula.mix", "1"),
                  "材質名「" + std::string(start) +
                      "WEBSERVICE(\"x\")」はスペクトルデータを開く表計算ソフトに数式として読"
                      "まれるため、このフィルターは使えません。材質ファイルの 1 行目を =、+、-、@ "
                      "以外の文字で始めて下さい [file]");
    }
    // A thickness given as a number: NaN is refused like a number beyond the double range, a
    // file problem first.
    const auto refusalOf = [&](const std::filesystem::path& file, double thicknessMm) {
        const std::optional<FilterRefusal> refusal = AddFilterFromFile(filters, file, thicknessMm);
        return refusal ? FilterRefusalMessage(*refusal) : "added";
    };
    EXPECT_EQ(refusalOf(DataFolder() / "Pb.ele", std::nan("")),
              "フィルターの厚さの値が数値の範囲を超えています");
    EXPECT_NE(refusalOf(folder / "None.ele", std::nan("")).find("を読めません"), std::string::npos);
    EXPECT_EQ(refusalOf(DataFolder() / "Pb.ele", -1e-300),
              "フィルターの厚さの値が負です。厚さは 0 mm 以上にして下さい");

    EXPECT_EQ(filters.FilterCount, before.FilterCount);
    EXPECT_EQ(filters.FilterName, before.FilterName);
    EXPECT_EQ(filters.FilterThickness, before.FilterThickness);
    EXPECT_EQ(filters.MuFilter, before.MuFilter);

    // A full set refuses a fourth filter instead of failing.
    EXPECT_EQ(messageOf(DataFolder() / "Pb.ele", "1"), "added");
    EXPECT_EQ(messageOf(DataFolder() / "Pb.ele", "1"), "added");
    EXPECT_EQ(messageOf(DataFolder() / "Pb.ele", "1"),
              "フィルターは３種類までです。「解除」してから設定して下さい");
    EXPECT_EQ(filters.FilterCount, 3);
}

// The models read all three slots on every run, whatever FilterCount says.
SpectrumTable TuckerSpectraWith(const MaterialFilter& filters) {
    CalculationState state = TuckerBeamState(80);
    state.Filters = filters;
    EXPECT_TRUE(testing::Completed(testing::RunModel(state)));
    return state.Spectra;
}

TEST(ReleaseFilters, LeavesSpectraAsWithoutArbitraryFilters) {
    const SpectrumTable unfiltered = TuckerSpectraWith({});
    MaterialFilter filters = ThreeFilters();
    EXPECT_NE(TuckerSpectraWith(filters).PhotonSpectrum, unfiltered.PhotonSpectrum);
    ReleaseFilters(filters);
    EXPECT_EQ(TuckerSpectraWith(filters).PhotonSpectrum, unfiltered.PhotonSpectrum);

    MaterialFilter zeroThickness;
    AddFilter(zeroThickness, Shipped("Pb.ele"), 0);
    EXPECT_EQ(TuckerSpectraWith(zeroThickness).PhotonSpectrum, unfiltered.PhotonSpectrum);
}

}  // namespace
}  // namespace tubeline
