#include "material_command_arguments.h"

#include <charconv>
#include <cmath>

#include "base/shift_jis.h"

namespace tubeline::tools {

const std::string_view kMaterialCommandUsage =
    R"(Usage: tubeline-material (--formula FORMULA --density G_CM3 | --compound "NIST NAME")
                         [--density G_CM3] [--name TEXT] -o FILE
       tubeline-material --list-compounds
Writes a material file for tubeline's arbitrary filters, tabulated from xraylib exactly as
the shipped files in data/ are.

  --formula FORMULA     chemical formula, such as C22H10N2O5 or Ca(OH)2 (case matters)
  --compound NAME       a NIST compound of xraylib's list (see --list-compounds)
  --density G_CM3       density in g/cm3; needed with --formula, with --compound it
                        replaces the NIST density
  --name TEXT           line 1 of the file, the name the program shows (default: the
                        formula or the compound name); it must have a Shift-JIS form
  -o, --output FILE     the file to write, usually NAME.mix; an existing file is
                        replaced, never left half written
  --list-compounds      print the names of xraylib's NIST compounds and exit
  --help                show this help and exit

Exit status: 0 success, 1 the file could not be written, 2 bad arguments.
)";

namespace {

double ParseDensity(std::string_view text) {
    double density = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), density);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(density) || density <= 0) {
        throw UsageError("--density must be a positive number in g/cm3, not '" + std::string(text) +
                         "'");
    }
    return density;
}

void CheckName(const std::string& name) {
    if (name.empty() || name.find_first_of("\r\n") != std::string::npos) {
        throw UsageError("--name must be one line of text");
    }
    try {
        EncodeShiftJis(name);
    } catch (const UnencodableCharacterError& error) {
        throw UsageError("--name '" + name + "' has a character without a Shift-JIS form ('" +
                         error.Character() + "'); the spectrum export writes names in Shift-JIS");
    }
}

template <class Value>
void SetOnce(std::optional<Value>& target, Value value, std::string_view option) {
    if (target) {
        throw UsageError("option " + std::string(option) + " given twice");
    }
    target = std::move(value);
}

}  // namespace

MaterialCommandArguments ParseMaterialCommandArguments(
    std::span<const std::string_view> arguments) {
    MaterialCommandArguments parsed;
    std::optional<std::string> formula;
    std::optional<std::string> compound;
    std::optional<std::string> density;
    std::optional<std::string> output;
    CommandLineReader reader(arguments);
    while (reader.Next()) {
        if (reader.IsFlag("--help")) {
            parsed.Help = true;
            continue;
        }
        if (reader.IsFlag("--list-compounds")) {
            parsed.ListCompounds = true;
            continue;
        }
        const std::string_view option = reader.Option();
        if (option == "--formula") {
            SetOnce(formula, reader.Value(), option);
        } else if (option == "--compound") {
            SetOnce(compound, reader.Value(), option);
        } else if (option == "--density") {
            SetOnce(density, reader.Value(), option);
        } else if (option == "--name") {
            SetOnce(parsed.Name, reader.Value(), option);
        } else if (option == "-o" || option == "--output") {
            SetOnce(output, reader.Value(), "-o");
        } else {
            reader.RefuseUnknown();
        }
    }
    if (parsed.Help || parsed.ListCompounds) {
        return parsed;
    }

    if (formula.has_value() == compound.has_value()) {
        throw UsageError("give either --formula or --compound");
    }
    parsed.Source = formula ? MaterialSource{MaterialSource::Kind::Formula, *formula}
                            : MaterialSource{MaterialSource::Kind::NistCompound, *compound};
    if (density) {
        parsed.Density = ParseDensity(*density);
    } else if (formula) {
        throw UsageError("--formula needs --density");
    }
    if (parsed.Name) {
        CheckName(*parsed.Name);
    }
    if (!output || output->empty()) {
        throw UsageError("-o FILE is needed");
    }
    parsed.Output = *output;
    return parsed;
}

}  // namespace tubeline::tools
