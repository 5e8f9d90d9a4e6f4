#pragma once

#include <filesystem>
#include <stdexcept>
#include <string_view>

#include "calculation_state.h"

namespace tubeline {

inline constexpr std::string_view kAttenuationTableFileName = "Att_Coeff2020.dat";

// Seven fields per record, 300 records on the energy grid: energy (unused), mu of tungsten,
// aluminium and copper in 1/cm, mu_en/rho of air in cm2/g, two unused fields.
inline constexpr int kAttenuationFieldsPerRecord = 7;
inline constexpr int kAttenuationFieldCount = kAttenuationFieldsPerRecord * kEnergyBinCount;

// Says which file could not be used and why; nothing of such a file is ever used.
class AttenuationTableError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Reads the first 2100 fields of the file; whatever follows them is never looked at.
AttenuationTable LoadAttenuationTable(const std::filesystem::path& path);

// The same reading from text already in memory; fileName only labels the messages.
AttenuationTable ParseAttenuationTable(std::string_view text, std::string_view fileName);

}  // namespace tubeline
