// The Python module tubeline: the calculation of tubeline-calc with numbers in and NumPy arrays
// and read-only mappings out.

#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "model/material_file_reader.h"
#include "model/material_folders.h"
#include "model/program_version.h"
#include "model/supplied_spectrum_figures.h"
#include "python_conditions.h"
#include "python_errors.h"
#include "python_result.h"
#include "python_runs.h"
#include "scripted_run.h"
#include "texts/language.h"
#include "texts/material_names.h"
#include "texts/file_messages.h"
#include "texts/translation.h"

namespace py = pybind11;

namespace tubeline::python {
namespace {

// Every argument is taken as the object given and read by the rules of python_conditions.h.
using Argument = const py::object&;

py::object Compute(const ConditionArguments& arguments) {
    const ScriptedConditions request = ReadConditions(arguments);
    ScriptedOutcome<ScriptedRun> outcome;
    {
        py::gil_scoped_release release;
        outcome = RunScripted(request);
    }
    const ScriptedRun run = ValueOf(std::move(outcome));
    WarnOfCorrection(run);
    return py::cast(ResultOf(run));
}

VariedFilter MatchedFilterOf(const py::object& matchWith, const std::filesystem::path& data) {
    if (py::isinstance<py::str>(matchWith)) {
        if (const std::optional<AddedFilter> added =
                AddedFilterNamed(matchWith.cast<std::string>())) {
            return *added;
        }
    }
    return MaterialFileOf(matchWith, data);
}

py::object Match(Argument targetMmAl, Argument matchWith, const ConditionArguments& arguments) {
    const double target = NumberOf(targetMmAl, "target_mm_al");
    const ScriptedConditions request = ReadConditions(arguments);
    const VariedFilter varied = MatchedFilterOf(matchWith, request.DataFolder);
    ScriptedOutcome<ScriptedMatch> outcome;
    {
        py::gil_scoped_release release;
        outcome = MatchScripted(request, target, varied);
    }
    const ScriptedMatch match = ValueOf(std::move(outcome));
    WarnOfCorrection(match.Run);
    return HvlMatchOf(match);
}

AttenuationTable AttenuationOf(const std::filesystem::path& dataFolder) {
    auto table = LoadScriptedAttenuation(dataFolder);
    if (const auto* problem = std::get_if<ScriptedFileProblem>(&table)) {
        Raise(ExceptionOf(*problem));
    }
    return std::get<AttenuationTable>(std::move(table));
}

// A one-dimensional array of real numbers (a list, a NumPy array ...) as doubles.
std::vector<double> ValuesOf(Argument values, const char* name) {
    const py::module_ numpy = py::module_::import("numpy");
    const py::object array = numpy.attr("asarray")(values);
    const std::string kind = array.attr("dtype").attr("kind").cast<std::string>();
    if (kind != "i" && kind != "u" && kind != "f") {
        throw py::type_error(std::string(name) + " must be real numbers, not an array of " +
                             py::str(array.attr("dtype")).cast<std::string>());
    }
    if (array.attr("ndim").cast<int>() != 1) {
        throw py::value_error(std::string(name) + " must be one-dimensional");
    }
    return array.attr("astype")(numpy.attr("float64")).cast<std::vector<double>>();
}

std::string RefusalText(const SuppliedSpectrumRefusal& refusal) {
    using Kind = SuppliedSpectrumRefusal::Kind;
    const std::string at = "[" + std::to_string(refusal.Index) + "]";
    switch (refusal.Reason) {
        case Kind::LengthsDiffer:
            return "energies_kev and fluence must be as long as each other";
        case Kind::NoLines:
            return "the spectrum has no energies";
        case Kind::EnergyOutsideTable:
            return "energies_kev" + at + " is not within 0.5 .. 150 keV";
        case Kind::EnergiesNotAscending:
            return "energies_kev" + at + " is not above the energy before it";
        case Kind::PhotonsNotCountable:
            return "fluence" + at + " is negative or not finite";
    }
    return {};
}

py::object Figures(Argument energiesKeV, Argument fluence, Argument dataDir) {
    const SuppliedSpectrum spectrum{ValuesOf(energiesKeV, "energies_kev"),
                                    ValuesOf(fluence, "fluence")};
    const AttenuationTable attenuation = AttenuationOf(DataFolderOf(dataDir));
    const auto outcome = ComputeSuppliedSpectrumFigures(spectrum, attenuation);
    if (const auto* refusal = std::get_if<SuppliedSpectrumRefusal>(&outcome)) {
        throw py::value_error(RefusalText(*refusal));
    }
    return FiguresMapping(std::get<std::optional<BeamQualityFigures>>(outcome));
}

py::list Materials(Argument dataDir) {
    const py::object material = py::module_::import("tubeline").attr("Material");
    py::list listed;
    for (const std::filesystem::path& file :
         ListMaterialFiles(MaterialFoldersBeside(DataFolderOf(dataDir)))) {
        try {
            const MaterialFile read = LoadMaterialFile(file);
            listed.append(material(MaterialDisplayName(read.Name), file.string(), read.Density));
        } catch (const MaterialFileError& error) {
            Warn(MaterialFileMessage(error.Problem()));
        }
    }
    return listed;
}

void SetLanguage(const std::string& code) {
    const std::optional<Language> language = LanguageNamed(code);
    if (!language) {
        throw py::value_error("language must be 'ja' or 'en', not '" + code + "'");
    }
    SpeakLanguage(*language);
}

// Defines a function whose last arguments are the conditions, keyword-only after `leading`
// ones, with compute's defaults.
template <class Function, class... Extra>
void DefineWithConditions(py::module_& module, const char* name, Function&& function,
                          const Extra&... extra) {
    const ConditionArguments defaults = DefaultConditionArguments();
    const auto& [model, kv, angle, inherent, al, cu, rectification, filters, dataDir] =
        defaults.Values;
    module.def(name, std::forward<Function>(function), extra..., py::arg_v("model", model),
               py::arg_v("kv", kv), py::arg_v("angle", angle), py::arg_v("inherent", inherent),
               py::arg_v("al", al), py::arg_v("cu", cu), py::arg_v("rectification", rectification),
               py::arg_v("filters", filters), py::arg_v("data_dir", dataDir));
}

constexpr const char* kModuleDoc =
    R"(X-ray tube spectra of a tungsten target, as tubeline-calc computes them.

compute(...) runs one calculation; imap(conditions) and compute_many(conditions) many over all
cores; match_hvl(target_mm_al, ...) finds the filter thickness that gives a first half-value
layer; figures(energies_kev, fluence) gives the beam-quality figures of any spectrum;
materials() lists the materials a filter may name. Conditions are numbers in the units of the
main window: kV, degrees, mm. Messages follow the locale as tubeline-calc's do;
set_language("ja" | "en") chooses.)";

constexpr const char* kComputeDoc =
    R"(Computes the spectra of the eleven emission angles and their beam-quality figures.

Args:
    model: "tucker" (Tucker, Barnes and Chakraborty), "birch" (Birch and Marshall) or
        "physics" (from physics, with absolute spectra: per mm2 per mAs at 1 m).
    kv: tube voltage in kV; outside 30..150 it is set to the nearer limit with a
        TubelineWarning.
    angle: target angle in degrees, at least 12 and below 90; None for the model's default
        (12 for Tucker and physics, 16 for Birch).
    inherent: inherent filtration in mm Al equivalent.
    al, cu: added aluminium and copper filters in mm.
    rectification: 1 constant potential, 2 three-phase 12-pulse, 3 single-phase full-wave.
    filters: up to three (material, thickness_mm) pairs in slot order; the material is a file
        name or stem of materials() ("Pb", "Air.mix") or a material file's path.
    data_dir: the folder holding Att_Coeff2020.dat; None for $TUBELINE_DATA, else the working
        folder when it holds the table, else the data installed with the module.

Numbers may be int, float or NumPy scalars; a bool or a text is a TypeError.

Returns a Result.

Raises InputRejected (a ValueError) with the main window's message for what its calculate
command refuses (a target angle below 12 or from 90 degrees, a value that is not finite, a
negative filtration, a fourth filter, filtration that leaves no spectrum), and OSError with the
file's name when the attenuation table or a material file cannot be used. The GIL is released
while computing.)";

constexpr const char* kMatchDoc =
    R"(Finds the thickness of a filter that gives the beam centre a first half-value layer of target_mm_al mm Al.

match_with is "al" or "cu" (the thickness replaces the conditions' own added aluminium or
copper, searched up to 100 or 10 mm) or a material as filters name it (a filter put into the
first free slot after the conditions' filters, up to 100 mm). The other arguments are those of
compute. Returns an HvlMatch: thickness_mm, hvl1_mm_al reached and the Result of the beam with
that filter. A target that no thickness reaches, or that the beam exceeds without the filter,
raises InputRejected with the message the window gives.)";

constexpr const char* kFiguresDoc =
    R"(The beam-quality figures of a photon spectrum of one's own, as Result.beam_centre gives them.

energies_kev: ascending energies within 0.5 .. 150 keV (any spacing; one energy for a
    monoenergetic beam).
fluence: the photons at each energy: each energy is a line carrying them, as each 0.5-keV bin
    of a model run is. Their unit does not matter; a spectrum given per keV on unequal steps
    must be multiplied by the steps first.
data_dir: the attenuation table's folder, as for compute.

The coefficients of Att_Coeff2020.dat, tabulated every 0.5 keV, are taken at a tabulated
energy as they are and between two by log-log interpolation. On a Result's own grid the
figures are its own exactly: figures(r.energies_kev, r.spectra[5]) == r.beam_centre. Returns a
read-only mapping; None for a figure not found. Raises ValueError for energies out of order or
range and for a negative or non-finite fluence.)";

constexpr const char* kMaterialsDoc =
    R"(The materials a filter may name: Material(name, file, density_g_cm3) for every *.ele and *.mix file of your own (in $XDG_DATA_HOME/tubeline, or ~/.local/share/tubeline) and of the data folder, sorted by file name; a file name in both is yours.

name is the material's name in the current language. The folders are those the window's filter
dialog offers; data_dir as for compute (your own files are not listed when the data folder is
the working folder, as the window keeps to that folder then). A file that cannot be read is
left out with a TubelineWarning giving the window's message.)";

}  // namespace
}  // namespace tubeline::python

PYBIND11_MODULE(tubeline, module) {
    using namespace tubeline;
    using namespace tubeline::python;
    SpeakLanguage(LanguageOfEnvironment());
    module.doc() = kModuleDoc;
    module.attr("__version__") = std::string(kProgramVersion);
    DefineErrors(module);
    DefineResult(module);
    DefineRuns(module);
    DefineWithConditions(
        module, "compute",
        [](Argument model, Argument kv, Argument angle, Argument inherent, Argument al, Argument cu,
           Argument rectification, Argument filters, Argument dataDir) {
            return Compute({{model, kv, angle, inherent, al, cu, rectification, filters, dataDir}});
        },
        kComputeDoc);
    DefineWithConditions(
        module, "match_hvl",
        [](Argument target, Argument matchWith, Argument model, Argument kv, Argument angle,
           Argument inherent, Argument al, Argument cu, Argument rectification, Argument filters,
           Argument dataDir) {
            return Match(target, matchWith,
                         {{model, kv, angle, inherent, al, cu, rectification, filters, dataDir}});
        },
        kMatchDoc, py::arg("target_mm_al"), py::arg("match_with") = "al", py::kw_only());
    module.def("figures", &Figures, py::arg("energies_kev"), py::arg("fluence"),
               py::arg("data_dir") = py::none(), kFiguresDoc);
    module.def("materials", &Materials, py::arg("data_dir") = py::none(), kMaterialsDoc);
    module.def("set_language", &SetLanguage, py::arg("language"),
               R"(Makes the module's messages speak "ja" (Japanese) or "en" (English) from now on.

At import they follow the locale (LC_ALL, LC_MESSAGES, LANG) as tubeline-calc's do. Call it
while no other thread is calculating.)");
    module.def(
        "language", [] { return SpokenLanguage() == Language::English ? "en" : "ja"; },
        R"(The language the module's messages speak: "ja" or "en".)");
}
