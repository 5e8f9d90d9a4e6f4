// The C++ half of the Python module tubeline, tubeline._native: the calculation of tubeline-calc
// with numbers in and NumPy arrays out. The package's Python half (tubeline/__init__.py) gives
// the functions their signatures, documentation and records.

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "kept_data_files.h"
#include "model/energy_grid.h"
#include "model/material_folders.h"
#include "model/program_version.h"
#include "python_conditions.h"
#include "python_errors.h"
#include "python_result.h"
#include "python_runs.h"
#include "python_supplied_figures.h"
#include "scripted_run.h"
#include "texts/file_messages.h"
#include "texts/language.h"
#include "texts/material_names.h"
#include "texts/translation.h"

namespace py = pybind11;

namespace tubeline::python {
namespace {

// Every argument is taken as the object given and read by the rules of python_conditions.h.
using Argument = const py::object&;

py::object Compute(const ConditionArguments& arguments) {
    const ScriptedRequest request = ReadConditions(arguments);
    ScriptedOutcome<ScriptedRun> outcome;
    {
        py::gil_scoped_release release;
        outcome = RunScripted(request, *ProcessDataFiles());
    }
    const ScriptedRun run = ValueOf(std::move(outcome));
    WarnOfCorrection(run);
    return ResultMaker().Make(run, ResultKind::Whole);
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
    const ScriptedRequest request = ReadConditions(arguments);
    const VariedFilter varied = MatchedFilterOf(matchWith, request.DataFolder);
    ScriptedOutcome<ScriptedMatch> outcome;
    {
        py::gil_scoped_release release;
        outcome = MatchScripted(request, target, varied, *ProcessDataFiles());
    }
    const ScriptedMatch match = ValueOf(std::move(outcome));
    WarnOfCorrection(match.Run);
    return HvlMatchOf(match);
}

py::list Materials(Argument dataDir) {
    const py::object material = py::module_::import("tubeline._records").attr("Material");
    const std::shared_ptr<KeptDataFiles> files = ProcessDataFiles();
    py::list listed;
    for (const std::filesystem::path& file :
         ListMaterialFiles(MaterialFoldersBeside(DataFolderOf(dataDir)))) {
        try {
            const MaterialFile read = files->Material(file);
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

py::dict DefaultConditions() {
    const ConditionArguments defaults = DefaultConditionArguments();
    py::dict named;
    for (std::size_t i = 0; i < kConditionNames.size(); ++i) {
        named[kConditionNames[i]] = defaults.Values[i];
    }
    return named;
}

}  // namespace
}  // namespace tubeline::python

PYBIND11_MODULE(_native, module) {
    using namespace tubeline;
    using namespace tubeline::python;
    module.doc() = "The C++ half of tubeline; use the functions of tubeline itself.";
    // NumPy and pybind11's hold on its C interface come with the module, never during a
    // calculation, where a Ctrl-C arriving in the middle of NumPy's import would surface as an
    // ImportError.
    py::module_::import("numpy");
    py::array_t<double>(0);
    module.attr("VERSION") = std::string(kProgramVersion);
    module.attr("FIGURE_DTYPE") = FigureType();
    module.attr("CENTRAL_ANGLE_INDEX") = kCentralAngleIndex - 1;  // from 0
    module.def("energies_kev", &EnergiesKeV);
    module.def("angles_deg", &AnglesDeg);
    module.def("default_conditions", &DefaultConditions);
    DefineRuns(module);
    module.def("compute", [](Argument model, Argument kv, Argument angle, Argument inherent,
                             Argument al, Argument cu, Argument rectification, Argument filters,
                             Argument dataDir, Argument distance, Argument outputFactor) {
        return Compute({{model, kv, angle, inherent, al, cu, rectification, filters, dataDir,
                         distance, outputFactor}});
    });
    module.def("match_hvl",
               [](Argument target, Argument matchWith, Argument model, Argument kv, Argument angle,
                  Argument inherent, Argument al, Argument cu, Argument rectification,
                  Argument filters, Argument dataDir, Argument distance, Argument outputFactor) {
                   return Match(target, matchWith,
                                {{model, kv, angle, inherent, al, cu, rectification, filters,
                                  dataDir, distance, outputFactor}});
               });
    module.def("figures", [](Argument energiesKeV, Argument fluence, Argument dataDir) {
        return SuppliedSpectrumFigures(energiesKeV, fluence, DataFolderOf(dataDir));
    });
    module.def("materials", &Materials);
    module.def("set_language", &SetLanguage);
    module.def("language", [] { return SpokenLanguage() == Language::English ? "en" : "ja"; });
}
