#pragma once

#include <filesystem>
#include <mutex>
#include <optional>
#include <variant>

#include "calculation_state.h"
#include "energy_grid.h"
#include "physics_source_term.h"
#include "tungsten_lines_file.h"
#include "tungsten_target_file.h"

namespace tubeline {

// The physics model's data could not be used: TungstenTarget.bin or TungstenLines.txt is
// missing or damaged. The other models run without them.
struct ModelDataRefusal {
    std::variant<TungstenTargetProblem, TungstenLinesProblem> Problem;
};

// The physics model's source term from the two files of a data folder, read and checked when
// it is first asked for, once, whichever thread asks first; then kept, or its refusal kept.
class PhysicsTargetData {
  public:
    // tungstenAttenuation: tungsten's linear attenuation coefficient on the energy grid, 1/cm,
    // that of the attenuation table of the same folder.
    PhysicsTargetData(std::filesystem::path folder, const EnergyArray& tungstenAttenuation);

    // The source term, or nothing with Refusal() saying why.
    const PhysicsSourceTerm* Source() const;
    std::optional<ModelDataRefusal> Refusal() const;

  private:
    void Load() const;

    std::filesystem::path folder_;
    EnergyArray tungstenAttenuation_;
    mutable std::once_flag loaded_;
    mutable std::variant<std::monostate, PhysicsSourceTerm, ModelDataRefusal> source_;
};

// The physics model's source term of the table's folder, or why there is none (the target tables
// missing where the table came from no folder).
std::variant<const PhysicsSourceTerm*, ModelDataRefusal> PhysicsSourceOf(
    const AttenuationTable& attenuation);

}  // namespace tubeline
