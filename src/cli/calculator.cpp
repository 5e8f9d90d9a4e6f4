#include "calculator.h"

#include <exception>
#include <ostream>

#include "calculator_arguments.h"
#include "export/spectrum_export.h"
#include "model/attenuation_table_file.h"
#include "model/file_io.h"
#include "model/file_places.h"
#include "model/filter_slots.h"
#include "model/spectrum_model.h"
#include "texts/messages.h"

namespace tubeline {
namespace {

constexpr std::string_view kProgram = "tubeline-calc: ";

// Keeps the figures a run would show in the window.
class CapturedResults : public NoRunEffects {
  public:
    void ShowBeamQuality(const BeamQualityTexts& texts) override { Texts = texts; }
    BeamQualityTexts Texts;
};

// One line on the terminal, without the blanks that frame some messages in the window.
void Report(std::ostream& err, std::string_view message) {
    err << kProgram << Trimmed(message) << '\n';
}

// The working folder, named "." in messages as given, unless only the program's install
// prefix holds the table.
std::filesystem::path DefaultDataFolder() {
    PlaceSources sources = ProcessPlaceSources();
    sources.WorkingFolder = ".";
    return DecideDataFolder(sources);
}

int Calculate(const CalculatorArguments& parsed, std::ostream& out, std::ostream& err) {
    const std::filesystem::path dataFolder =
        parsed.DataFolder ? *parsed.DataFolder : DefaultDataFolder();
    CalculationState state;
    try {
        state.Attenuation = LoadAttenuationTable(dataFolder / kAttenuationTableFileName);
    } catch (const AttenuationTableError& error) {
        Report(err, AttenuationTableMessage(error.Problem()));
        return kExitFileError;
    }
    for (const FilterArgument& filter : parsed.Filters) {
        if (const auto refusal =
                AddFilterFromFile(state.Filters, filter.MaterialFile, filter.Thickness)) {
            Report(err, FilterRefusalMessage(*refusal));
            return refusal->FileRefused() ? kExitFileError : kExitUsageOrRejected;
        }
    }
    state.Conditions.ModelChoice = parsed.ModelChoice;
    state.Conditions.Rectification = parsed.Rectification;

    const CheckedConditions checked = CheckConditionFields(parsed.Fields, state.Conditions);
    if (checked.Texts.TubeVoltage != parsed.Fields.TubeVoltage) {
        Report(err, "tube voltage corrected to " + checked.Texts.TubeVoltage + " kV");
    }
    if (checked.Rejection) {
        Report(err, ConditionRejectionMessage(*checked.Rejection));
        return kExitUsageOrRejected;
    }
    state.Conditions = checked.Conditions;

    CapturedResults results;
    const RunResult run = ComputeChosenModel(state, {parsed.TableFile}, results);
    if (run.Refusal) {
        Report(err, RunRefusalMessage(*run.Refusal));
        return kExitUsageOrRejected;
    }
    out << "Half Value Layer = " << results.Texts.HalfValueLayer << " mm Al\n"
        << "Fluence / 1[C/kg] = " << results.Texts.FluencePerExposure << " Photons / mm2\n";
    if (run.TableFileProblem) {
        Report(err, TableFileMessage(*run.TableFileProblem));
        return kExitFileError;
    }
    if (parsed.CsvFile) {
        try {
            WriteSpectrumExport(*parsed.CsvFile, {state.Conditions, state.Filters, run.TableText});
        } catch (const ExportError& error) {
            Report(err, ExportMessage(error.Problem()));
            return kExitFileError;
        }
    }
    return kExitSuccess;
}

}  // namespace

int RunCalculator(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err,
                  const LanguageSwitch& speak) {
    CalculatorArguments parsed;
    try {
        parsed = ParseCalculatorArguments(arguments);
    } catch (const UsageError& error) {
        Report(err, std::string(error.what()) + " (see --help)");
        return kExitUsageOrRejected;
    }
    if (parsed.Help) {
        out << kCalculatorUsage;
        return kExitSuccess;
    }
    if (speak && !speak(parsed.Speak.value_or(LanguageOfEnvironment()))) {
        Report(err, "the English messages are missing from this build; they stay Japanese");
    }
    try {
        return Calculate(parsed, out, err);
    } catch (const FileError& error) {
        Report(err, error.Problem().Path.string() + ": " + FileProblemReason(error.Problem()));
        return kExitFileError;
    } catch (const std::exception& error) {
        // Whatever the file system or the library throws ends as a line, not as an abort.
        Report(err, error.what());
        return kExitFileError;
    }
}

}  // namespace tubeline
