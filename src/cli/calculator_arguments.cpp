#include "calculator_arguments.h"

#include <algorithm>
#include <cctype>

#include "model/waveform.h"

namespace tubeline {

const std::string_view kCalculatorUsage =
    R"(Usage: tubeline-calc [OPTION]...
Computes the X-ray spectra of a tungsten-target tube and prints the first half-value
layer and the photon fluence per unit exposure at the beam centre.

  --model tucker|birch      spectrum model (default tucker)
  --kv KV                   tube voltage, corrected into 30..150 (default 100)
  --angle DEG               target angle, 12 or more and below 90
                            (default 12 for tucker, 16 for birch)
  --inherent MM             inherent filtration, mm Al equivalent (default 2.5)
  --al MM                   added aluminium filter, mm (default 0)
  --cu MM                   added copper filter, mm (default 0)
  --rectification 1|2|3     1 constant potential, 2 three-phase 12-pulse,
                            3 single-phase full-wave (default 1)
  --data DIR                folder holding Att_Coeff2020.dat (default: the working
                            folder if it holds the file, else the installed data)
  --table FILE              also write the spectrum table of the eleven angles to FILE
  --filter FILE:MM          put an arbitrary filter into the beam: material file FILE,
                            thickness MM in mm; up to three, in order (the last ':'
                            ends the file name)
  --csv FILE                also write the spectrum data export to FILE, exactly as the
                            window's "スペクトルデータ保存" writes it (Shift-JIS, CR LF)
  --lang ja|en              language of the messages (default: the locale's; Japanese
                            where the locale names none); files are the same in both
  --help                    show this help and exit

Values are read like the window's fields: the leading number counts, the rest is ignored.
Exit status: 0 success, 1 file error, 2 bad arguments or rejected input.
)";

namespace {

// FILE:MM, split at the last ':' so that the file name may hold colons.
FilterArgument ParseFilterArgument(const std::string& text) {
    const std::size_t colon = text.rfind(':');
    if (colon == std::string::npos || colon == 0) {
        throw UsageError("--filter needs FILE:MM, not '" + text + "'");
    }
    return {text.substr(0, colon), text.substr(colon + 1)};
}

std::string Lowercase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

}  // namespace

CalculatorArguments ParseCalculatorArguments(std::span<const std::string_view> arguments) {
    CalculatorArguments parsed;
    std::optional<std::string> angle;
    CommandLineReader reader(arguments);
    while (reader.Next()) {
        if (reader.IsFlag("--help")) {
            parsed.Help = true;
            continue;
        }
        const std::string_view option = reader.Option();
        if (option == "--model") {
            const std::string model = Lowercase(reader.Value());
            if (model == "tucker") {
                parsed.ModelChoice = SpectrumModel::Tucker;
            } else if (model == "birch") {
                parsed.ModelChoice = SpectrumModel::Birch;
            } else {
                throw UsageError("--model must be tucker or birch, not '" + model + "'");
            }
        } else if (option == "--kv") {
            parsed.Fields.TubeVoltage = reader.Value();
        } else if (option == "--angle") {
            angle = reader.Value();
        } else if (option == "--inherent") {
            parsed.Fields.InherentFiltration = reader.Value();
        } else if (option == "--al") {
            parsed.Fields.AluminiumFilter = reader.Value();
        } else if (option == "--cu") {
            parsed.Fields.CopperFilter = reader.Value();
        } else if (option == "--rectification") {
            const std::string number = reader.Value();
            const std::optional<RectificationMode> mode =
                number.size() == 1 ? RectificationFromNumber(number[0] - '0') : std::nullopt;
            if (!mode) {
                throw UsageError("--rectification must be 1, 2 or 3, not '" + number + "'");
            }
            parsed.Rectification = *mode;
        } else if (option == "--data") {
            parsed.DataFolder = reader.Value();
        } else if (option == "--table") {
            parsed.TableFile = reader.Value();
        } else if (option == "--filter") {
            if (parsed.Filters.size() == kFilterSlotCount) {
                throw UsageError("at most " + std::to_string(kFilterSlotCount) +
                                 " --filter options");
            }
            parsed.Filters.push_back(ParseFilterArgument(reader.Value()));
        } else if (option == "--csv") {
            parsed.CsvFile = reader.Value();
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
    parsed.Fields.TargetAngle = angle.value_or(DefaultTargetAngleText(parsed.ModelChoice));
    return parsed;
}

}  // namespace tubeline
