#pragma once

#include "model/translatable.h"

namespace tubeline {

// The page's captions that the desktop program also shows, each under the name the page knows
// it by, with the desktop's context and Japanese text (the catalogue's key).
struct DesktopCaption {
    const char* Key;
    const char* Context;
    const char* Source;
};

inline constexpr DesktopCaption kDesktopCaptions[] = {
    {"subtitle", "StartForm", TUBELINE_TRANSLATABLE("StartForm", "診断Ｘ線スペクトルの近似計算")},
    {"conditions", "MainForm", TUBELINE_TRANSLATABLE("MainForm", "照 射 条 件")},
    {"tucker", "Messages", TUBELINE_TRANSLATABLE("Messages", "Tucker の式")},
    {"birch", "Messages", TUBELINE_TRANSLATABLE("Messages", "Birch の式")},
    {"physics", "Messages", TUBELINE_TRANSLATABLE("Messages", "物理モデル")},
    {"rectification", "MainForm", TUBELINE_TRANSLATABLE("MainForm", "整流方式")},
    {"degrees", "MainForm", TUBELINE_TRANSLATABLE("MainForm", "度")},
    {"filters", "MainForm", TUBELINE_TRANSLATABLE("MainForm", "任意材質フィルタ")},
    {"filtersLimit", "MainForm", TUBELINE_TRANSLATABLE("MainForm", "（最大３種類）")},
    {"material", "FilterDialog", TUBELINE_TRANSLATABLE("FilterDialog", "材質")},
    {"thickness", "FilterDialog", TUBELINE_TRANSLATABLE("FilterDialog", "厚さ")},
    {"results", "MainForm", TUBELINE_TRANSLATABLE("MainForm", "線束中心にて")},
    {"saveCsv", "MainForm", TUBELINE_TRANSLATABLE("MainForm", "スペクトルデータ保存")},
    {"savePng", "MainForm", TUBELINE_TRANSLATABLE("MainForm", "グラフ画像保存")},
    {"axis", "MainForm", TUBELINE_TRANSLATABLE("MainForm", "グラフの縦軸")},
    {"photonAxis", "MainForm", TUBELINE_TRANSLATABLE("MainForm", "フルエンス")},
    {"energyAxis", "MainForm", TUBELINE_TRANSLATABLE("MainForm", "エネルギーフルエンス")},
    {"kermaAxis", "MainForm", TUBELINE_TRANSLATABLE("MainForm", "空気カーマ")},
    {"quality", "BeamQualityWindow", TUBELINE_TRANSLATABLE("BeamQualityWindow", "線質の詳細")},
    {"qualityIntro", "BeamQualityWindow",
     TUBELINE_TRANSLATABLE("BeamQualityWindow",
                           "角度ごとの線質（角度は線束中心から、－ は陰極側、＋ は陽極側）")},
    {"qualityNote", "BeamQualityWindow",
     TUBELINE_TRANSLATABLE("BeamQualityWindow",
                           "均等度 = 第1半価層 / 第2半価層。求められない値は — で示します")},
    {"copy", "BeamQualityWindow", TUBELINE_TRANSLATABLE("BeamQualityWindow", "コピー")},
    {"target", "BeamQualityWindow", TUBELINE_TRANSLATABLE("BeamQualityWindow", "目標の半価層")},
    {"match", "BeamQualityWindow", TUBELINE_TRANSLATABLE("BeamQualityWindow", "半価層に合わせる")},
};

}  // namespace tubeline
