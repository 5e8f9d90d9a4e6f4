#include "calculator.h"

#include <cerrno>
#include <exception>
#include <fstream>
#include <ostream>

#include "base/file_io.h"
#include "batch_run.h"
#include "beam_json.h"
#include "beam_run.h"
#include "calculator_arguments.h"
#include "csv_records.h"
#include "export/spectrum_export.h"
#include "match_command.h"
#include "model/attenuation_table_file.h"
#include "model/program_version.h"
#include "places/file_places.h"
#include "texts/condition_messages.h"
#include "texts/file_messages.h"
#include "texts/result_texts.h"
#include "texts/translation.h"

namespace tubeline {
namespace {

constexpr std::string_view kProgram = "tubeline-calc: ";

void Report(std::ostream& err, std::string_view message) {
    err << kProgram << message << '\n';
}

int Fail(std::ostream& err, const BeamFailure& failure) {
    Report(err, failure.Message);
    return failure.ExitCode;
}

void ReportCorrection(std::ostream& err, const std::optional<double>& correctedTubeVoltageKv) {
    if (correctedTubeVoltageKv) {
        Report(err, TubeVoltageCorrectedMessage(*correctedTubeVoltageKv));
    }
}

void PrintResults(const CalculatorArguments& parsed, const BeamRequest& beam,
                  const ComputedBeam& computed, const AttenuationTable& attenuation,
                  const std::optional<MatchedFilter>& matched, std::ostream& out) {
    if (parsed.Format == OutputFormat::Json) {
        nlohmann::ordered_json json =
            BeamJson(beam, computed, ComputeAngleFigures(*computed.Run.Spectra, attenuation));
        if (matched) {
            json["matched"] = MatchedFilterJson(matched->Name, matched->ThicknessMm);
        }
        out << JsonText(json) << '\n';
        return;
    }
    if (matched) {
        out << "Added " << matched->Name << " = " << matched->ThicknessText << " mm\n";
    }
    const BeamQualityTexts texts = ResultTexts(computed.Run.Quality);
    out << HalfValueLayerLine(texts) << '\n' << FluencePerExposureLine(texts) << '\n';
    if (computed.Run.Spectra->AbsoluteOutput) {
        const std::optional<BeamQualityFigures> figures =
            ComputeBeamCentreFigures(*computed.Run.Spectra, attenuation);
        for (const std::string& line : AbsoluteOutputLines(figures.value_or(BeamQualityFigures{}),
                                                           *computed.Run.Spectra->AbsoluteOutput)) {
            out << line << '\n';
        }
    }
}

// A single run of `beam`: the results, then the table file and the export if asked for. With
// a matched filter the tube voltage's correction has been reported by the search already.
int CalculateBeam(const CalculatorArguments& parsed, const BeamRequest& beam,
                  const AttenuationTable& attenuation, const std::optional<MatchedFilter>& matched,
                  std::ostream& out, std::ostream& err) {
    const BeamRun run = RunBeam(beam, attenuation);
    if (!matched) {
        ReportCorrection(err, run.CorrectedTubeVoltageKv);
    }
    if (const auto* refusal = std::get_if<BeamRefusal>(&run.Outcome)) {
        return Fail(err, FailureOf(*refusal));
    }
    const ComputedBeam& computed = std::get<ComputedBeam>(run.Outcome);
    if (parsed.OutputGiven && !computed.Run.Spectra->AbsoluteOutput) {
        Report(err, NoAbsoluteOutputMessage(computed.Beam.Conditions.ModelChoice));
    }
    PrintResults(parsed, beam, computed, attenuation, matched, out);
    if (parsed.TableFile) {
        try {
            ReplaceFileContents(*parsed.TableFile, computed.Run.TableText);
        } catch (const FileError& error) {
            Report(err, TableFileMessage(error.Problem()));
            return kExitFileError;
        }
    }
    if (parsed.CsvFile) {
        try {
            WriteSpectrumExport(*parsed.CsvFile, {computed.Beam.Conditions, computed.Beam.Filters,
                                                  computed.Run.TableText});
        } catch (const ExportError& error) {
            Report(err, ExportMessage(error.Problem()));
            return kExitFileError;
        }
    }
    return kExitSuccess;
}

// --match-hvl: the search, then a single run with the matched filter.
int MatchAndCalculate(const CalculatorArguments& parsed, const AttenuationTable& attenuation,
                      std::ostream& out, std::ostream& err) {
    const BeamRequest start = WithoutVariedFilter(parsed.Beam, *parsed.Match);
    const BeamPreparation preparation = PrepareBeam(start);
    ReportCorrection(err, preparation.CorrectedTubeVoltageKv);
    if (const auto* refusal = std::get_if<BeamRefusal>(&preparation.Outcome)) {
        return Fail(err, FailureOf(*refusal));
    }
    const std::variant<MatchedFilter, BeamFailure> match =
        MatchFilter(*parsed.Match, std::get<PreparedBeam>(preparation.Outcome), attenuation);
    if (const auto* failure = std::get_if<BeamFailure>(&match)) {
        return Fail(err, *failure);
    }
    const MatchedFilter& matched = std::get<MatchedFilter>(match);
    return CalculateBeam(parsed, WithMatchedFilter(start, *parsed.Match, matched.ThicknessText),
                         attenuation, matched, out, err);
}

// --batch: FILE, or "-" for the standard input. A regular file is counted through first when a
// progress bar is drawn (a pipe can be read only once).
int CalculateBatch(const std::filesystem::path& file, const AttenuationTable& attenuation,
                   const CalculatorStreams& streams) {
    const BatchOutput output{streams.Out, streams.Progress};
    try {
        if (file == kStandardInputName) {
            return RunBatch({streams.In, file, std::nullopt}, attenuation, output);
        }
        std::optional<std::size_t> rowCount;
        std::error_code unknown;
        if (streams.Progress && std::filesystem::is_regular_file(file, unknown)) {
            std::ifstream counted(file, std::ios::binary);
            if (const std::size_t records = CountCsvRecords(counted); records > 0) {
                rowCount = records - 1;
            }
        }
        std::ifstream rows(file, std::ios::binary);
        if (!rows) {
            throw FileError(file, errno);
        }
        return RunBatch({rows, file, rowCount}, attenuation, output);
    } catch (const BatchHeaderError& error) {
        Report(streams.Err, error.what());
        return kExitUsageOrRejected;
    }
}

// The working folder, named "." in messages as given, unless only the program's install
// prefix holds the table.
std::filesystem::path DefaultDataFolder() {
    PlaceSources sources = ProcessPlaceSources();
    sources.WorkingFolder = ".";
    return DecideDataFolder(sources);
}

int Calculate(const CalculatorArguments& parsed, const CalculatorStreams& streams) {
    const std::filesystem::path dataFolder =
        parsed.DataFolder ? *parsed.DataFolder : DefaultDataFolder();
    AttenuationTable attenuation;
    try {
        attenuation = LoadAttenuationTable(dataFolder / kAttenuationTableFileName);
    } catch (const AttenuationTableError& error) {
        Report(streams.Err, AttenuationTableMessage(error.Problem()));
        return kExitFileError;
    }
    if (parsed.BatchFile) {
        return CalculateBatch(*parsed.BatchFile, attenuation, streams);
    }
    if (parsed.Match) {
        return MatchAndCalculate(parsed, attenuation, streams.Out, streams.Err);
    }
    return CalculateBeam(parsed, parsed.Beam, attenuation, std::nullopt, streams.Out, streams.Err);
}

}  // namespace

int RunCalculator(std::span<const std::string_view> arguments, const CalculatorStreams& streams) {
    CalculatorArguments parsed;
    try {
        parsed = ParseCalculatorArguments(arguments);
    } catch (const UsageError& error) {
        Report(streams.Err, std::string(error.what()) + " (see --help)");
        return kExitUsageOrRejected;
    }
    if (parsed.Help) {
        streams.Out << CalculatorUsage();
        return kExitSuccess;
    }
    if (parsed.Version) {
        streams.Out << "tubeline-calc " << kProgramVersion << '\n';
        return kExitSuccess;
    }
    SpeakLanguage(parsed.Speak.value_or(LanguageOfEnvironment()));
    try {
        return Calculate(parsed, streams);
    } catch (const FileError& error) {
        Report(streams.Err,
               error.Problem().Path.string() + ": " + FileProblemReason(error.Problem()));
        return kExitFileError;
    } catch (const std::exception& error) {
        // Whatever the file system or the library throws ends as a line, not as an abort.
        Report(streams.Err, error.what());
        return kExitFileError;
    }
}

}  // namespace tubeline
