#pragma once

#include <optional>
#include <string>

#include "calculation_state.h"

namespace tubeline {

// Why the spectra of a run cannot be used, in words for the operator: spectra zero everywhere
// (filtration so thick that every transmission underflows) or a value beyond the double range,
// so that the normalisations fail. Nothing when they are usable.
std::optional<std::string> RefusalOf(const SpectrumTable& spectra);

// The central spectrum gives no beam quality (no air kerma above 5 keV, or not a finite figure).
inline constexpr const char* kNoBeamQualityMessage =
    " 線束中心のスペクトルから参考データ（半価層、フルエンス）を計算できません。"
    "ろ過の条件を見直して下さい ";

}  // namespace tubeline
