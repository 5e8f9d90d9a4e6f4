#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>

#include "base/file_io.h"
#include "calculation_state.h"

namespace tubeline {

inline constexpr std::string_view kAttenuationTableFileName = "Att_Coeff2020.dat";

// Seven fields per record, 300 records on the energy grid: energy (unused), mu of tungsten,
// aluminium and copper in 1/cm, mu_en/rho of air, water and soft tissue in cm2/g. A table whose
// last two fields are 0 computes everything but the kerma ratios to air.
inline constexpr int kAttenuationFieldsPerRecord = 7;
inline constexpr int kAttenuationFieldCount = kAttenuationFieldsPerRecord * kEnergyBinCount;

// Why the attenuation table could not be used; nothing of such a file is ever used.
struct AttenuationTableProblem {
    // The text ended before the field of that record.
    struct EndsEarly {
        int FieldsFound;
        int Record;
        int Field;  // 1..7 within the record
    };
    // A field that is not a decimal number.
    struct NotANumber {
        int Line;
        int Record;
        int Field;
        std::string Text;
    };
    std::string File;
    std::variant<FileProblem, EndsEarly, NotANumber> Cause;
};

class AttenuationTableError : public std::runtime_error {
  public:
    explicit AttenuationTableError(AttenuationTableProblem problem);
    const AttenuationTableProblem& Problem() const { return problem_; }

  private:
    AttenuationTableProblem problem_;
};

// Reads the first 2100 fields of the file; whatever follows them is never looked at. The
// physics model's data of the same folder come with it, to be read when that model first runs.
AttenuationTable LoadAttenuationTable(const std::filesystem::path& path);

// The same reading from text already in memory, without the physics model's data; fileName only
// labels the messages.
AttenuationTable ParseAttenuationTable(std::string_view text, std::string_view fileName);

}  // namespace tubeline
