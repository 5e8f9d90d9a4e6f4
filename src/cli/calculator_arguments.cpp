#include "calculator_arguments.h"

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

#include "base/number_format.h"
#include "texts/translation.h"

namespace tubeline {

namespace {

// %1..%9 are the limits and defaults of the models; the output factor's default is written out.
static_assert(kDefaultOutput.OutputFactor == 1);
constexpr std::string_view kUsagePattern =
    R"(Usage: tubeline-calc [OPTION]...
       tubeline-calc --batch FILE|- [--data DIR]
Computes the X-ray spectra of a tungsten-target tube and prints the first half-value
layer and the photon fluence per unit exposure at the beam centre, and for the
physics model its air kerma and photon fluence per mAs.

  --model tucker|birch|physics
                            spectrum model (default tucker); physics gives absolute
                            spectra, per mAs
  --kv KV                   tube voltage, corrected into %1..%2 (default %3)
  --angle DEG               target angle, %4 or more and below %5
                            (default %6 for tucker and physics, %7 for birch)
  --inherent MM             inherent filtration, mm Al equivalent (default %8)
  --al MM                   added aluminium filter, mm (default 0)
  --cu MM                   added copper filter, mm (default 0)
  --rectification 1|2|3     1 constant potential, 2 three-phase 12-pulse,
                            3 single-phase full-wave (default 1)
  --distance MM             physics: where the air kerma per mAs is wanted, mm from
                            the focus (default %9)
  --output-factor F         physics: the tube's air kerma over the model's, applied
                            to the air kerma at --distance (default 1)
  --data DIR                folder holding Att_Coeff2020.dat (default: $TUBELINE_DATA
                            when set, else the working folder if it holds the file,
                            else the installed data)
  --table FILE              also write the spectrum table of the eleven angles to FILE
  --filter FILE:MM          put an arbitrary filter into the beam: material file FILE,
                            thickness MM in mm; up to three, in order (the last ':'
                            ends the file name)
  --csv FILE                also write the spectrum data export to FILE, exactly as the
                            window's "スペクトルデータ保存" writes it (Shift-JIS, CR LF)
  --format text|json        text: the result lines (default); json: one JSON object
                            with the conditions, the filters and every beam-quality
                            figure of the beam centre and of the eleven angles
  --match-hvl MM            find the filter that gives a first half-value layer of MM
                            mm Al, print "Added Al = T mm" (T rounded to 0.001 mm) and
                            then the results of the beam with that filter
  --match-with al|cu|FILE   the filter varied by --match-hvl: the added aluminium
                            (default) or copper, which takes the place of --al or
                            --cu, or a filter of material file FILE after the others
  --batch FILE|-            compute one beam per row of the CSV file FILE (- reads
                            standard input); see the README for the columns
  --lang ja|en              language of the messages (default: the locale's; Japanese
                            where the locale names none); files are the same in both
  --help                    show this help and exit
  --version                 show the version and exit

Values are read like the window's fields: each must be one number (full-width digits
allowed); a value that is not, or a negative thickness, is refused.
Exit status: 0 success, 1 file error, 2 bad arguments, rejected input or a target
half-value layer that cannot be reached, 3 (--batch) some rows failed.
)";

// FILE:MM, split at the last ':' so that the file name may hold colons.
FilterRequest ParseFilterArgument(const std::string& text) {
    const std::size_t colon = text.rfind(':');
    if (colon == std::string::npos || colon == 0) {
        throw UsageError("--filter needs FILE:MM, not '" + text + "'");
    }
    return {text.substr(0, colon), text.substr(colon + 1)};
}

VariedFilter VariedFilterNamed(const std::string& text) {
    if (const std::optional<AddedFilter> added = AddedFilterNamed(text)) {
        return *added;
    }
    return std::filesystem::path(text);
}

std::optional<ConditionField> FieldOfOption(std::string_view option) {
    return option.starts_with("--") ? ConditionFieldNamed(option.substr(2)) : std::nullopt;
}

std::optional<OutputField> OutputFieldOfOption(std::string_view option) {
    return option.starts_with("--") ? OutputFieldNamed(option.substr(2)) : std::nullopt;
}

// "tucker, birch or physics".
std::string ModelNames() {
    std::string names;
    for (std::size_t i = 0; i < kSpectrumModels.size(); ++i) {
        names += (i == 0                            ? ""
                  : i + 1 == kSpectrumModels.size() ? " or "
                                                    : ", ") +
                 std::string(SpectrumModelName(kSpectrumModels[i]));
    }
    return names;
}

// A batch takes every condition from its file.
constexpr std::string_view kOptionsWithBatch[] = {"--batch", "--data", "--lang"};

}  // namespace

std::string CalculatorUsage() {
    const ConditionValues tucker = DefaultConditionValues(SpectrumModel::Tucker);
    return Substitute(
        kUsagePattern,
        {FormatGeneral(kMinimumTubeVoltageKv), FormatGeneral(kMaximumTubeVoltageKv),
         FormatGeneral(tucker.TubeVoltage), FormatGeneral(kMinimumTargetAngleDegrees),
         FormatGeneral(kTargetAngleLimitDegrees),
         FormatGeneral(DefaultTargetAngle(SpectrumModel::Tucker)),
         FormatGeneral(DefaultTargetAngle(SpectrumModel::Birch)),
         FormatGeneral(tucker.InherentFiltration), FormatGeneral(kDefaultOutput.DistanceMm)});
}

CalculatorArguments ParseCalculatorArguments(std::span<const std::string_view> arguments) {
    CalculatorArguments parsed;
    // Each field as given; the others take the defaults of the model.
    std::map<ConditionField, std::string> fields;
    OutputTexts output = DefaultOutputTexts();
    std::optional<std::string> variedFilter;
    std::vector<std::string> given;
    CommandLineReader reader(arguments);
    while (reader.Next()) {
        if (reader.IsFlag("--help")) {
            parsed.Help = true;
            continue;
        }
        if (reader.IsFlag("--version")) {
            parsed.Version = true;
            continue;
        }
        const std::string_view option = reader.Option();
        given.emplace_back(option);
        if (option == "--model") {
            const std::string model = reader.Value();
            const std::optional<SpectrumModel> named = SpectrumModelNamed(model);
            if (!named) {
                throw UsageError("--model must be " + ModelNames() + ", not '" + model + "'");
            }
            parsed.Beam.Model = *named;
        } else if (const auto field = FieldOfOption(option)) {
            fields[*field] = reader.Value();
        } else if (const auto outputField = OutputFieldOfOption(option)) {
            TextOf(output, *outputField) = reader.Value();
            parsed.OutputGiven = true;
        } else if (option == "--rectification") {
            const std::string number = reader.Value();
            const std::optional<RectificationMode> mode = RectificationNumbered(number);
            if (!mode) {
                throw UsageError("--rectification must be 1, 2 or 3, not '" + number + "'");
            }
            parsed.Beam.Rectification = *mode;
        } else if (option == "--data") {
            parsed.DataFolder = reader.Value();
        } else if (option == "--table") {
            parsed.TableFile = reader.Value();
        } else if (option == "--filter") {
            if (parsed.Beam.Filters.size() == kFilterSlotCount) {
                throw UsageError("at most " + std::to_string(kFilterSlotCount) +
                                 " --filter options");
            }
            parsed.Beam.Filters.push_back(ParseFilterArgument(reader.Value()));
        } else if (option == "--csv") {
            parsed.CsvFile = reader.Value();
        } else if (option == "--format") {
            const std::string format = reader.Value();
            if (format == "text") {
                parsed.Format = OutputFormat::Text;
            } else if (format == "json") {
                parsed.Format = OutputFormat::Json;
            } else {
                throw UsageError("--format must be text or json, not '" + format + "'");
            }
        } else if (option == "--match-hvl") {
            parsed.Match = MatchArguments{reader.Value()};
        } else if (option == "--match-with") {
            variedFilter = reader.Value();
        } else if (option == "--batch") {
            parsed.BatchFile = reader.Value();
        } else if (option == "--lang") {
            const std::string code = reader.Value();
            parsed.Speak = LanguageNamed(code);
            if (!parsed.Speak) {
                throw UsageError("--lang must be ja or en, not '" + code + "'");
            }
        } else {
            reader.RefuseUnknown();
        }
    }
    ConditionTexts texts = DefaultConditionTexts(parsed.Beam.Model);
    for (const auto& [field, text] : fields) {
        TextOf(texts, field) = text;
    }
    parsed.Beam.Conditions = texts;
    parsed.Beam.Output = output;
    if (variedFilter) {
        if (!parsed.Match) {
            throw UsageError("--match-with goes only with --match-hvl");
        }
        parsed.Match->Varied = VariedFilterNamed(*variedFilter);
    }
    if (parsed.BatchFile) {
        for (const std::string& option : given) {
            if (std::find(std::begin(kOptionsWithBatch), std::end(kOptionsWithBatch), option) ==
                std::end(kOptionsWithBatch)) {
                throw UsageError("--batch takes the conditions from its file; " + option +
                                 " cannot go with it");
            }
        }
    }
    return parsed;
}

}  // namespace tubeline
