// The Python module tubeline: the calculation of tubeline-calc with numbers in and NumPy arrays
// and dictionaries out.

#include <pybind11/pybind11.h>
#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>

#include <algorithm>
#include <cctype>
#include <exception>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "model/calculation_state.h"
#include "model/condition_names.h"
#include "model/file_places.h"
#include "model/parallel_for.h"
#include "python_errors.h"
#include "python_result.h"
#include "scripted_run.h"

namespace py = pybind11;

namespace tubeline::python {
namespace {

// compute_many reads conditions and converts results this many at a time, so that a long
// iterable is never held whole as requests or as C++ results.
constexpr std::size_t kBatchSize = 64;

std::string TypeName(py::handle value) {
    return Py_TYPE(value.ptr())->tp_name;
}

ScriptedFilter FilterOf(py::handle item) {
    const auto pair = py::reinterpret_borrow<py::object>(item);
    if (py::isinstance<py::sequence>(pair) && !py::isinstance<py::str>(pair) &&
        py::len(pair) == 2) {
        try {
            return {pair[py::int_(0)].cast<std::filesystem::path>(),
                    pair[py::int_(1)].cast<double>()};
        } catch (const py::cast_error&) {
            // Reported below with the rest.
        }
    }
    throw py::type_error("a filter is a (material_file_path, thickness_mm) pair, not " +
                         py::repr(pair).cast<std::string>());
}

// The conditions of one calculation. The numbers are taken as they are, to be corrected and
// refused by the calculate command's rules when the run starts.

// Without data_dir: the working folder when it holds the table, else the data installed with
// the module, <prefix>/share/tubeline for <prefix>/lib/python3*/dist-packages/tubeline.
std::filesystem::path DefaultDataFolder() {
    const std::filesystem::path module =
        py::module_::import("tubeline").attr("__file__").cast<std::string>();
    const std::filesystem::path prefix =
        module.parent_path().parent_path().parent_path().parent_path().parent_path();
    return ChooseDataFolder({}, prefix / "share" / kProgramFolderName);
}

ScriptedConditions ReadConditions(const std::string& model, double kv, std::optional<double> angle,
                                  double inherent, double al, double cu, int rectification,
                                  const py::iterable& filters,
                                  const std::optional<std::filesystem::path>& dataDir) {
    ScriptedConditions request;
    const std::optional<SpectrumModel> named = SpectrumModelNamed(model);
    if (!named) {
        throw py::value_error("model must be 'tucker' or 'birch', not '" + model + "'");
    }
    request.Model = *named;
    const std::optional<RectificationMode> mode = RectificationFromNumber(rectification);
    if (!mode) {
        throw py::value_error("rectification must be 1, 2 or 3, not " +
                              std::to_string(rectification));
    }
    request.Rectification = *mode;
    request.Values = {kv, angle.value_or(DefaultTargetAngle(request.Model)), inherent, al, cu};
    for (py::handle item : filters) {
        request.Filters.push_back(FilterOf(item));
    }
    request.DataFolder = dataDir ? *dataDir : DefaultDataFolder();
    return request;
}

PythonResult Compute(const ScriptedConditions& request) {
    ScriptedOutcome<ScriptedRun> outcome;
    {
        py::gil_scoped_release release;
        outcome = RunScripted(request);
    }
    return PythonResult(ValueOf(std::move(outcome)));
}

// The attenuation table of every data folder that compute_many met, read once: one call sees one
// table per folder, as one window session does.
using AttenuationTables =
    std::map<std::filesystem::path, std::variant<AttenuationTable, ScriptedFileProblem>>;

ScriptedOutcome<ScriptedRun> RunWithTable(const ScriptedConditions& request,
                                          const AttenuationTables& tables) {
    const auto& table = tables.at(request.DataFolder);
    if (const auto* problem = std::get_if<ScriptedFileProblem>(&table)) {
        return *problem;
    }
    return RunScripted(request, std::get<AttenuationTable>(table));
}

// Runs the batch over the cores and appends its results in order; the first condition that was
// refused raises its exception, noting its place among all the conditions.
void RunBatch(const std::vector<ScriptedConditions>& batch, AttenuationTables& tables,
              py::list& results) {
    const int count = static_cast<int>(batch.size());
    std::vector<ScriptedOutcome<ScriptedRun>> outcomes(count);
    std::vector<std::exception_ptr> failures(count);
    {
        py::gil_scoped_release release;
        for (const ScriptedConditions& request : batch) {
            if (!tables.contains(request.DataFolder)) {
                tables.emplace(request.DataFolder, LoadScriptedAttenuation(request.DataFolder));
            }
        }
        ForEachIndexInParallel(count, WorkerThreadCount(), [&](int i) {
            try {
                outcomes[i] = RunWithTable(batch[i], tables);
            } catch (...) {
                failures[i] = std::current_exception();
            }
        });
    }
    for (int i = 0; i < count; ++i) {
        if (failures[i]) {
            std::rethrow_exception(failures[i]);
        }
        const py::object exception = ExceptionOf(outcomes[i]);
        if (!exception.is_none()) {
            if (py::hasattr(exception, "add_note")) {  // from Python 3.11
                exception.attr("add_note")("in condition " + std::to_string(py::len(results)) +
                                           " of compute_many");
            }
            Raise(exception);
        }
        results.append(PythonResult(std::get<ScriptedRun>(std::move(outcomes[i]))));
    }
}

py::list ComputeMany(const py::iterable& conditions) {
    const py::object read = py::module_::import("tubeline").attr("_conditions");
    py::list results;
    AttenuationTables tables;
    std::vector<ScriptedConditions> batch;
    for (py::handle item : conditions) {
        const py::dict arguments(py::reinterpret_borrow<py::object>(item));
        batch.push_back(read(**arguments).cast<ScriptedConditions>());
        if (batch.size() == kBatchSize) {
            RunBatch(batch, tables, results);
            batch.clear();
        }
    }
    RunBatch(batch, tables, results);
    return results;
}

MatchedFilter MatchedFilterOf(const py::object& matchWith) {
    if (py::isinstance<py::str>(matchWith)) {
        if (const std::optional<AddedFilter> added =
                AddedFilterNamed(matchWith.cast<std::string>())) {
            return *added;
        }
    }
    try {
        return matchWith.cast<std::filesystem::path>();
    } catch (const py::cast_error&) {
        throw py::type_error("match_with must be 'al', 'cu' or a material file's path, not " +
                             TypeName(matchWith));
    }
}

double Match(double targetMmAl, const py::object& matchWith, const ScriptedConditions& request) {
    const MatchedFilter varied = MatchedFilterOf(matchWith);
    ScriptedOutcome<double> outcome;
    {
        py::gil_scoped_release release;
        outcome = MatchScripted(request, targetMmAl, varied);
    }
    return ValueOf(std::move(outcome));
}

// compute and match_hvl take ReadConditions' arguments; their names and defaults are given once,
// in DefineWithConditions.
template <class... Arguments>
auto Computing(ScriptedConditions (*read)(Arguments...)) {
    return [read](Arguments... arguments) { return Compute(read(arguments...)); };
}

template <class... Arguments>
auto Matching(ScriptedConditions (*read)(Arguments...)) {
    return [read](double targetMmAl, const py::object& matchWith, Arguments... arguments) {
        return Match(targetMmAl, matchWith, read(arguments...));
    };
}

// Defines a function whose last arguments are the conditions, with the window's defaults (the
// target angle, None, being the model's).
template <class Function, class... Extra>
void DefineWithConditions(py::module_& module, const char* name, Function&& function,
                          const Extra&... extra) {
    using namespace py::literals;
    const ConditionValues defaults = DefaultConditionValues(kDefaultModel);
    module.def(name, std::forward<Function>(function), extra...,
               "model"_a = std::string(SpectrumModelName(kDefaultModel)),
               "kv"_a = defaults.TubeVoltageKv, "angle"_a = py::none(),
               "inherent"_a = defaults.InherentFiltrationMm, "al"_a = defaults.AluminiumFilterMm,
               "cu"_a = defaults.CopperFilterMm,
               "rectification"_a = RectificationNumber(kDefaultRectification),
               "filters"_a = py::tuple(), "data_dir"_a = py::none());
}

constexpr const char* kModuleDoc =
    R"(X-ray tube spectra of a tungsten target, as tubeline-calc computes them.

compute(...) runs one calculation, compute_many(conditions) many over all cores, and
match_hvl(target_mm_al, ...) finds the filter thickness that gives a first half-value layer.
Conditions are numbers in the units of the main window: kV, degrees, mm.)";

constexpr const char* kComputeDoc =
    R"(Computes the spectra of the eleven emission angles and their beam-quality figures.

Args:
    model: "tucker" (Tucker, Barnes and Chakraborty) or "birch" (Birch and Marshall).
    kv: tube voltage in kV; outside 30..150 it is set to the nearer limit.
    angle: target angle in degrees, at least 12 and below 90; None for the model's default
        (12 for Tucker, 16 for Birch).
    inherent: inherent filtration in mm Al equivalent.
    al, cu: added aluminium and copper filters in mm.
    rectification: 1 constant potential, 2 three-phase 12-pulse, 3 single-phase full-wave.
    filters: up to three (material_file_path, thickness_mm) pairs, in slot order.
    data_dir: the folder holding Att_Coeff2020.dat; None for the working folder, or the data
        installed with the module when the working folder has none.

Returns a Result.

Raises InputRejected (a ValueError) with the main window's message for what its calculate
command refuses (a target angle below 12 or from 90 degrees, a value that is not finite, a
fourth filter, filtration that leaves no spectrum), and OSError with the file's name when the
attenuation table or a material file cannot be used. The GIL is released while computing.)";

constexpr const char* kComputeManyDoc =
    R"(compute(**c) for every dictionary c of the iterable, spread over the cores.

Returns the Results in the order of the conditions. The first condition that is refused
raises the exception compute would raise, with a note giving its place.)";

constexpr const char* kMatchDoc =
    R"(The thickness in mm of a filter that gives the beam centre a first half-value layer of target_mm_al mm Al.

match_with is "al" or "cu" (the thickness replaces the conditions' own added aluminium or
copper, searched up to 100 or 10 mm) or a material file's path (a filter put into the first
free slot after the conditions' filters, up to 100 mm). The other arguments are those of
compute. A target that no thickness reaches, or that the beam exceeds without the filter,
raises InputRejected with the message the window gives.)";

}  // namespace
}  // namespace tubeline::python

PYBIND11_MODULE(tubeline, module) {
    using namespace tubeline;
    using namespace tubeline::python;
    module.doc() = kModuleDoc;
    DefineErrors(module);
    DefineResult(module);
    py::class_<ScriptedConditions>(module, "_Conditions");
    DefineWithConditions(module, "_conditions", &ReadConditions,
                         "The conditions of one calculation, read as compute reads them.");
    DefineWithConditions(module, "compute", Computing(&ReadConditions), kComputeDoc);
    module.def("compute_many", &ComputeMany, py::arg("conditions"), kComputeManyDoc);
    DefineWithConditions(module, "match_hvl", Matching(&ReadConditions), py::arg("target_mm_al"),
                         py::arg("match_with") = "al", py::kw_only(), kMatchDoc);
}
