#include "calculator.h"

#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <ostream>

#include "calculator_arguments.h"
#include "export/spectrum_export.h"
#include "model/attenuation_table_file.h"
#include "model/file_io.h"
#include "model/filter_slots.h"
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

// The table file of a run whose table nobody asked for but the export copies; removed on every
// path out.
class ScratchTableFile {
  public:
    ScratchTableFile() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tubeline-calc-XXXXXX").string();
        const int fd = ::mkstemp(pattern.data());
        if (fd < 0) {
            throw FileError(pattern, DescribeErrno(errno));
        }
        ::close(fd);
        path_ = pattern;
    }
    ScratchTableFile(const ScratchTableFile&) = delete;
    ScratchTableFile& operator=(const ScratchTableFile&) = delete;
    ~ScratchTableFile() { RemoveFileIfPresent(path_); }
    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
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
    for (const FilterArgument& filter : parsed.Filters) {
        if (const auto refusal =
                AddFilterFromFile(state.Filters, filter.MaterialFile, filter.Thickness)) {
            err << kProgram << refusal->Message << '\n';
            return refusal->Reason == FilterRefusal::Cause::MaterialFile ? kExitFileError
                                                                         : kExitUsageOrRejected;
        }
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

    std::optional<ScratchTableFile> scratchTable;
    std::optional<std::filesystem::path> tableFile = parsed.TableFile;
    if (parsed.CsvFile && !tableFile) {
        try {
            tableFile = scratchTable.emplace().Path();
        } catch (const FileError& error) {
            err << kProgram << "cannot create a scratch table file: " << error.what() << '\n';
            return kExitFileError;
        }
    }

    CapturedResults results;
    const RunResult run = ComputeChosenModel(state, {tableFile}, results);
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
    if (parsed.CsvFile) {
        try {
            WriteSpectrumExport(*parsed.CsvFile, state.Conditions, state.Filters, *tableFile);
        } catch (const ExportError& error) {
            err << kProgram << error.what() << '\n';
            return kExitFileError;
        }
    }
    return kExitSuccess;
}

}  // namespace tubeline
