#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "model/calculation_state.h"
#include "model/spectrum_model.h"

namespace tubeline::testing {

// The shipped data folder of the source tree.
std::filesystem::path DataFolder();

// The shipped attenuation table, loaded once.
const AttenuationTable& ShippedAttenuation();

// Tucker's model, constant potential, a 12-degree target behind 2.5 mm Al inherent filtration,
// on the shipped table; not yet computed.
CalculationState TuckerBeamState(double kv, double aluminiumFilterMm = 0);

// What a model run reads from the state; it refers to the state's own members.
inline ModelInputs InputsOf(const CalculationState& state) {
    return {state.Conditions, state.Attenuation, state.Filters};
}

// Runs the model of the state's conditions; a completed run's spectra and beam quality go into
// the state, as the window keeps them.
RunOutcome RunModel(CalculationState& state);
inline bool Completed(const RunOutcome& outcome) {
    return std::holds_alternative<ModelRun>(outcome);
}

// A fresh empty folder for one test, removed with the object.
class ScratchFolder {
  public:
    ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder();
    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

std::string ReadBytes(const std::filesystem::path& path);

// The lines of a text whose every line, the last included, ends with CR LF, without their ends.
// A line without CR LF fails the test and ends the list there.
std::vector<std::string> CrLfLines(const std::string& text);
void WriteBytes(const std::filesystem::path& path, const std::string& bytes);

}  // namespace tubeline::testing
