#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "beam_quality_report.h"
#include "model/translatable.h"

namespace tubeline {

// What the page says where it compares beams kept side by side: the beams' curves on one graph
// and their beam-centre figures in one table.

// How many kept beams the comparison tells apart, one colour each.
inline constexpr std::size_t kMostComparedBeams = 6;

// The figures a comparison shows of each beam, by their column in kFigureColumnCaptions: the
// first and second half-value layers in mm Al, the homogeneity coefficient, the first in mm Cu,
// the mean and effective energies and the fluence per exposure.
inline constexpr std::array<std::size_t, 7> kComparedFigureColumns = {0, 1, 2, 3, 4, 6, 7};

// A caption of the comparison under the name the page knows it by, in the context
// "Comparison"; "%1" in a caption stands for a kept beam's number, or in notOpen for a material
// file's name.
struct ComparisonCaption {
    const char* Key;
    const char* Source;
};

inline constexpr ComparisonCaption kComparisonCaptions[] = {
    {"keep", TUBELINE_TRANSLATABLE("Comparison", "比較用に保持")},
    {"compared", TUBELINE_TRANSLATABLE("Comparison", "ビームの比較")},
    {"comparedIntro",
     TUBELINE_TRANSLATABLE("Comparison", "保持したビームと入力欄の条件の、線束中心での線質")},
    {"scale", TUBELINE_TRANSLATABLE("Comparison", "曲線の大きさ")},
    {"scalePeak", TUBELINE_TRANSLATABLE("Comparison", "各曲線をそのピークで")},
    {"scaleKerma", TUBELINE_TRANSLATABLE("Comparison", "線束中心の空気カーマ 1 µGy あたり")},
    {"photonPerKerma", TUBELINE_TRANSLATABLE("Comparison", "光子 / (mm²・keV・µGy)")},
    {"energyPerKerma", TUBELINE_TRANSLATABLE("Comparison", "keV / (mm²・keV・µGy)")},
    {"kermaPerKerma", TUBELINE_TRANSLATABLE("Comparison", "µGy / (keV・µGy)")},
    {"beam", TUBELINE_TRANSLATABLE("Comparison", "ビーム")},
    {"beamConditions", TUBELINE_TRANSLATABLE("Comparison", "条件")},
    {"current", TUBELINE_TRANSLATABLE("Comparison", "入力欄")},
    {"makeCurrent", TUBELINE_TRANSLATABLE("Comparison", "入力欄へ")},
    {"makeCurrentBeam", TUBELINE_TRANSLATABLE("Comparison", "#%1 の条件を入力欄へ")},
    {"removeBeam", TUBELINE_TRANSLATABLE("Comparison", "#%1 を削除")},
    {"remove", TUBELINE_TRANSLATABLE("Comparison", "削除")},
    {"notOpen",
     TUBELINE_TRANSLATABLE("Comparison",
                           "%1 がこのページで開かれていないため、このビームは計算できません。"
                           "「材質ファイルを開く…」で開くと計算します")},
    {"saveCompared", TUBELINE_TRANSLATABLE("Comparison", "比較スペクトル保存")},
    {"comparedSpectra", TUBELINE_TRANSLATABLE("Comparison", "比較したスペクトル（線束中心）")},
};

// How many beams can be kept, beside the command that keeps them: "（最大 6 本）".
std::string KeptBeamsLimitCaption();

}  // namespace tubeline
