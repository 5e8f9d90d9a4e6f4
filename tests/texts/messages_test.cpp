#include "texts/condition_messages.h"
#include "texts/file_messages.h"
#include "texts/match_messages.h"
#include "texts/notice_messages.h"
#include "texts/run_messages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "model/material_file_reader.h"
#include "support/english_spoken.h"
#include "support/test_data.h"
#include "texts/language.h"
#include "texts/material_names.h"
#include "texts/result_texts.h"
#include "texts/translation.h"

namespace tubeline {
namespace {

TEST(Substitute, PutsArgumentsWhereTheirNumbersStand) {
    EXPECT_EQ(Substitute("%2 before %1, 100%", {"a", "b"}), "b before a, 100%");
    EXPECT_EQ(Substitute("%3 stays", {"a"}), "%3 stays");
}

TEST(ResultTexts, DisplayShapes) {
    BeamQuality quality;
    quality.HalfValueLayer = 2.5678;
    quality.FluencePerExposure = 1.2344e10;
    EXPECT_EQ(ResultTexts(quality), (BeamQualityTexts{"2.57", "1.234E+10"}));
    EXPECT_EQ(HalfValueLayerLine(ResultTexts(quality)), "Half Value Layer = 2.57 mm Al");
    EXPECT_EQ(FluencePerExposureLine(ResultTexts(quality)),
              "Fluence / 1[C/kg] = 1.234E+10 Photons / mm2");
    quality.HalfValueLayer = std::nullopt;
    quality.FluencePerExposure = 0.005;
    EXPECT_EQ(ResultTexts(quality), (BeamQualityTexts{"> 100.00", "5.000E-03"}));
}

TEST(InstallTranslator, EveryMessageGoesThroughIt) {
    InstallTranslator([](const char* context, const char* source) {
        return std::string(context) + ":" + source;
    });
    const std::string translated = NoticeMessage(Notice::NoFileName);
    InstallTranslator({});
    EXPECT_EQ(translated, "Messages:ファイル名を入力して下さい");
    EXPECT_EQ(NoticeMessage(Notice::NoFileName), "ファイル名を入力して下さい");
}

TEST(SpeakLanguage, EnglishComesFromTheCatalogueAndJapaneseIsAsWritten) {
    {
        const testing::EnglishSpoken inEnglish;
        EXPECT_EQ(ConditionCaption(ConditionField::CopperFilter), "Added copper");
        // The field's caption opens the sentence, so it needs no capital mid-sentence.
        EXPECT_EQ(ConditionRejectionMessage(
                      {ConditionRejection::Kind::OutOfRange, ConditionField::TubeVoltage}),
                  "Tube voltage: the value is beyond the range of numbers");
        EXPECT_EQ(Tr("Messages", "カタログにない文"), "カタログにない文");
    }
    EXPECT_EQ(ConditionCaption(ConditionField::CopperFilter), "銅付加フィルタ");
}

// Every shipped material that the files name in Japanese has an English name; a name of the
// user's own stays as it is.
TEST(MaterialDisplayName, ShippedJapaneseNamesSpeakTheLanguage) {
    for (const auto& entry : std::filesystem::directory_iterator(testing::DataFolder())) {
        const std::string extension = entry.path().extension().string();
        if (extension != ".ele" && extension != ".mix") {
            continue;
        }
        const std::string name = ReadMaterialName(entry.path());
        EXPECT_EQ(MaterialDisplayName(name), name);
        const testing::EnglishSpoken inEnglish;
        const std::string english = MaterialDisplayName(name);
        EXPECT_TRUE(
            std::all_of(english.begin(), english.end(), [](unsigned char c) { return c < 0x80; }))
            << entry.path() << ": " << english;
    }
    const testing::EnglishSpoken inEnglish;
    EXPECT_EQ(MaterialDisplayName("空気"), "Air");
    EXPECT_EQ(MaterialDisplayName("私の水"), "私の水");
}

TEST(HalfValueLayerMatchMessage, SaysWhyNoThicknessWasFound) {
    EXPECT_EQ(HalfValueLayerMatchMessage(HalfValueLayerBelowUnfiltered{3.274}, 2.5, "Al"),
              "目標の半価層 2.50 mm Al は、Al を加えない線質の半価層 3.27 mm Al "
              "より小さいため、フィルタを加えても届きません");
    EXPECT_EQ(HalfValueLayerMatchMessage(HalfValueLayerBeyondRange{8.123, 10, 10}, 12, "Cu"),
              "目標の半価層 12.00 mm Al には、Cu を 10 mm まで加えても届きません"
              "（得られた最大の半価層は 8.12 mm Al）");
    EXPECT_EQ(
        HalfValueLayerMatchMessage(HalfValueLayerMatchRefused{RunRefusal::ZeroSpectra}, 3, "Al"),
        RunRefusalMessage(RunRefusal::ZeroSpectra));
    EXPECT_EQ(HalfValueLayerMatchMessage(HalfValueLayerReached{1, {}}, 3, "Al"), "");
}

// The refusal of the physics model's data names the file and what is wrong with it, in either
// language.
TEST(ModelDataMessage, NamesTheFileAndTheFault) {
    const ModelDataRefusal tables{
        TungstenTargetProblem{"data/TungstenTarget.bin",
                              TungstenTargetProblem::TooFewEnergies{"chi_electron_kev", 100, 150}}};
    EXPECT_EQ(ModelDataMessage(tables),
              "物理モデルのデータファイル data/TungstenTarget.bin を使えません（配列 "
              "chi_electron_kev は 100 keV までしかなく、150 keV まで必要です）。Tucker と Birch "
              "の式は計算できます。");
    const ModelDataRefusal lines{
        TungstenLinesProblem{"TungstenLines.txt", TungstenLinesProblem::BadNumber{3, 4, "0.x"}}};
    const testing::EnglishSpoken inEnglish;
    EXPECT_EQ(ModelDataMessage(lines),
              "The physics model's data file TungstenLines.txt cannot be used (field 4 on line 3, "
              "“0.x”, is not a number in range). Tucker's and Birch's formulas still compute.");
}

TEST(LanguageOfLocale, JapaneseWhereTheLocaleIsJapaneseOrNamesNoLanguage) {
    for (const char* locale : {"ja_JP.UTF-8", "ja", "C", "C.UTF-8", "POSIX", ""}) {
        EXPECT_EQ(LanguageOfLocale(locale), Language::Japanese) << locale;
    }
    for (const char* locale : {"en_US.UTF-8", "en_GB", "de_DE.UTF-8", "fr"}) {
        EXPECT_EQ(LanguageOfLocale(locale), Language::English) << locale;
    }
    EXPECT_EQ(LanguageNamed("en"), Language::English);
    EXPECT_EQ(LanguageNamed("ja"), Language::Japanese);
    EXPECT_FALSE(LanguageNamed("de"));
}

}  // namespace
}  // namespace tubeline
