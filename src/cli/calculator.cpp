#include "calculator.h"

#include <ostream>

#include "calculator_arguments.h"
#include "model/attenuation_table_file.h"
#include "model/spectrum_model.h"

namespace tubeline {
namespace {

constexpr std::string_view kProgram = "tubeline-calc: ";

// Keeps the figures a run would show in the window.
class CapturedResults : public NoRunEffects {
  public:
    void ShowBeamQuality(const BeamQualityTexts& texts) override { Texts = texts; }
    BeamQualityTexts Texts;
};

}  // namespace

int RunCalculator(std::span<const std::string_view> arguments, std::ostream& out,
                  std::ostream& err) {
    CalculatorArguments parsed;
    try {
        parsed = ParseCalculatorArguments(arguments);
    } catch (const UsageError& error) {
        err << kProgram << error.what() << " (see --help)\n";
        return kExitUsageOrRejected;
    }
    if (parsed.Help) {
        out << kCalculatorUsage;
        return kExitSuccess;
    }

    CalculationState state;
    try {
        state.Attenuation = LoadAttenuationTable(parsed.DataFolder / kAttenuationTableFileName);
    } catch (const AttenuationTableError& error) {
        err << kProgram << error.what() << '\n';
        return kExitFileError;
    }
    state.Conditions.ModelChoice = parsed.ModelChoice;
    state.Conditions.Rectification = parsed.Rectification;

    const CheckedConditions checked = CheckConditionFields(parsed.Fields, state.Conditions);
    if (checked.Texts.TubeVoltage != parsed.Fields.TubeVoltage) {
        err << kProgram << "tube voltage corrected to " << checked.Texts.TubeVoltage << " kV\n";
    }
    if (checked.Rejection) {
        err << kProgram << *checked.Rejection << '\n';
        return kExitUsageOrRejected;
    }
    state.Conditions = checked.Conditions;

    CapturedResults results;
    const RunResult run = ComputeChosenModel(state, {parsed.TableFile}, results);
    if (run.Failure) {
        err << kProgram << *run.Failure << '\n';
        return kExitUsageOrRejected;
    }
    out << "Half Value Layer = " << results.Texts.HalfValueLayer << " mm Al\n"
        << "Fluence / 1[C/kg] = " << results.Texts.FluencePerExposure << " Photons / mm2\n";
    if (run.TableFileError) {
        err << kProgram << *run.TableFileError << '\n';
        return kExitFileError;
    }
    return kExitSuccess;
}

}  // namespace tubeline
