#include "material_command.h"

#include <ostream>
#include <stdexcept>

#include "material_catalogue.h"
#include "material_command_arguments.h"
#include "material_file_text.h"
#include "base/file_io.h"
#include "model/material_file_reader.h"
#include "base/number_format.h"
#include "texts/file_messages.h"

namespace tubeline::tools {
namespace {

constexpr std::string_view kProgram = "tubeline-material: ";

// The material the arguments describe; UsageError when xraylib does not know it.
// (Problems found after the command line was read are reported without "see --help".)
Material MaterialOf(const MaterialCommandArguments& arguments) {
    const std::string& text = arguments.Source.Text;
    Material material{"", arguments.Name.value_or(text), 0, {}, ""};
    try {
        if (arguments.Source.From == MaterialSource::Kind::Formula) {
            material.Constituents = FormulaConstituents(text);
            material.Density = *arguments.Density;
        } else {
            Composition composition = NistCompoundComposition(text);
            material.Constituents = std::move(composition.Constituents);
            material.Density = arguments.Density.value_or(composition.Density);
            material.NistCompound = text;
        }
    } catch (const std::runtime_error& error) {
        throw UsageError(arguments.Source.From == MaterialSource::Kind::Formula
                             ? "cannot read the formula '" + text + "' (" + error.what() + ")"
                             : "no NIST compound '" + text +
                                   "' in xraylib's list (see --list-compounds)");
    }
    return material;
}

// The file text, checked by the program's own reader so that nothing it would refuse is
// written.
std::string CheckedFileText(const Material& material, const std::filesystem::path& output) {
    std::string text;
    try {
        text = MaterialFileText(material);
    } catch (const std::runtime_error& error) {
        // xraylib has cross sections up to Es (Z = 99) only.
        throw UsageError("cannot tabulate '" + material.Name + "' (" + error.what() + ")");
    }
    try {
        ParseMaterialFile(text, output.string());
    } catch (const MaterialFileError& error) {
        throw UsageError(MaterialFileMessage(error.Problem()));
    }
    return text;
}

}  // namespace

int RunMaterialCommand(std::span<const std::string_view> arguments, std::ostream& out,
                       std::ostream& err) {
    MaterialCommandArguments parsed;
    try {
        parsed = ParseMaterialCommandArguments(arguments);
    } catch (const UsageError& error) {
        err << kProgram << error.what() << " (see --help)\n";
        return kMaterialExitUsage;
    }
    try {
        if (parsed.Help) {
            out << kMaterialCommandUsage;
            return kMaterialExitSuccess;
        }
        if (parsed.ListCompounds) {
            for (const std::string& name : NistCompoundNames()) {
                out << name << '\n';
            }
            return kMaterialExitSuccess;
        }
        const Material material = MaterialOf(parsed);
        const std::string text = CheckedFileText(material, parsed.Output);
        ReplaceFileContents(parsed.Output, text);
        out << "wrote " << parsed.Output.string() << ": " << material.Name << ", "
            << FormatGeneral(material.Density) << " g/cm3\n";
        return kMaterialExitSuccess;
    } catch (const UsageError& error) {
        err << kProgram << error.what() << '\n';
        return kMaterialExitUsage;
    } catch (const FileError& error) {
        err << kProgram << "cannot write " << error.what() << '\n';
        return kMaterialExitFileError;
    }
}

}  // namespace tubeline::tools
