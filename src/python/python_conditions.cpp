#include "python_conditions.h"

#include <pybind11/stl.h>

#include <cmath>
#include <optional>
#include <system_error>
#include <vector>

#include "model/material_folders.h"
#include "places/file_places.h"

namespace py = pybind11;

namespace tubeline::python {
namespace {

std::string TypeName(const py::handle& value) {
    return Py_TYPE(value.ptr())->tp_name;
}

bool IsRealNumber(const py::handle& value) {
    if (PyBool_Check(value.ptr())) {
        return false;
    }
    if (PyFloat_Check(value.ptr()) || PyLong_Check(value.ptr())) {
        return true;
    }
    // NumPy registers its integer and floating types as numbers.Real; its bool_ is none.
    return py::isinstance(value, py::module_::import("numbers").attr("Real"));
}

// The file system's bytes of a str, bytes or os.PathLike, or nothing for any other type. Only
// os.fsencode's TypeError means "not a path": an exception raised inside a __fspath__
// (KeyboardInterrupt from Ctrl-C among them) goes on to the caller.
std::optional<std::string> PathTextOf(const py::handle& value) {
    try {
        return py::module_::import("os").attr("fsencode")(value).cast<std::string>();
    } catch (py::error_already_set& error) {
        if (!error.matches(PyExc_TypeError)) {
            throw;
        }
        return std::nullopt;
    }
}

SpectrumModel ModelOf(const py::handle& value) {
    if (!py::isinstance<py::str>(value)) {
        throw py::type_error("model must be 'tucker', 'birch' or 'physics', not " +
                             TypeName(value));
    }
    const std::string name = value.cast<std::string>();
    const std::optional<SpectrumModel> model = SpectrumModelNamed(name);
    if (!model) {
        throw py::value_error("model must be 'tucker', 'birch' or 'physics', not '" + name + "'");
    }
    return *model;
}

RectificationMode RectificationOf(const py::handle& value) {
    const double number = NumberOf(value, "rectification");
    const std::optional<RectificationMode> mode =
        number == std::trunc(number) && std::abs(number) <= 3
            ? RectificationFromNumber(static_cast<int>(number))
            : std::nullopt;
    if (!mode) {
        throw py::value_error("rectification must be 1, 2 or 3, not " +
                              py::repr(value).cast<std::string>());
    }
    return *mode;
}

FilterRequest FilterOf(const py::handle& item, const std::filesystem::path& dataFolder) {
    if (!py::isinstance<py::sequence>(item) || py::isinstance<py::str>(item) ||
        py::len(item) != 2) {
        throw py::type_error("a filter is a (material, thickness_mm) pair, not " +
                             py::repr(item).cast<std::string>());
    }
    const py::sequence pair = py::reinterpret_borrow<py::sequence>(item);
    return {MaterialFileOf(pair[0], dataFolder), NumberOf(pair[1], "a filter's thickness")};
}

// Up to one filter more than the slots hold, so that the fourth is refused as the window refuses
// it and an endless iterable is never read to its end.
std::vector<FilterRequest> FiltersOf(const py::handle& filters,
                                     const std::filesystem::path& dataFolder) {
    std::vector<FilterRequest> read;
    for (const py::handle item : py::iter(filters)) {
        read.push_back(FilterOf(item, dataFolder));
        if (read.size() > kFilterSlotCount) {
            break;
        }
    }
    return read;
}

// A helper of the package's Python half (tubeline/_arguments.py).
py::object ArgumentsHelper(const char* name) {
    return py::module_::import("tubeline._arguments").attr(name);
}

}  // namespace

std::filesystem::path MaterialFileOf(const py::handle& material,
                                     const std::filesystem::path& dataFolder) {
    const std::optional<std::string> name = PathTextOf(material);
    if (!name) {
        throw py::type_error(
            "a filter's material is a name of materials(), a str or a path, "
            "not " +
            TypeName(material));
    }
    const std::filesystem::path path(*name);
    if (path.has_parent_path()) {
        return path;
    }
    const std::vector<std::filesystem::path> folders = MaterialFoldersBeside(dataFolder);
    if (const auto found = FindMaterialFile(*name, folders)) {
        return *found;
    }
    std::error_code error;
    if (std::filesystem::exists(path, error)) {
        return path;
    }
    py::list files;
    for (const std::filesystem::path& file : ListMaterialFiles(folders)) {
        files.append(file.string());
    }
    py::list searched;
    for (const std::filesystem::path& folder : folders) {
        searched.append(folder.string());
    }
    return ArgumentsHelper("material_file_named")(*name, files, searched).cast<std::string>();
}

double NumberOf(const py::handle& value, const std::string& name) {
    if (PyFloat_CheckExact(value.ptr())) {
        return PyFloat_AS_DOUBLE(value.ptr());
    }
    if (!IsRealNumber(value)) {
        throw py::type_error(name + " must be a number, not " + TypeName(value));
    }
    const double number = PyFloat_AsDouble(value.ptr());
    if (number == -1 && PyErr_Occurred()) {
        throw py::error_already_set();
    }
    return number;
}

ConditionArguments DefaultConditionArguments() {
    const ConditionValues defaults = DefaultConditionValues(kDefaultModel);
    return {{py::str(std::string(SpectrumModelName(kDefaultModel))),
             py::float_(defaults.TubeVoltage), py::none(), py::float_(defaults.InherentFiltration),
             py::float_(defaults.AluminiumFilter), py::float_(defaults.CopperFilter),
             py::int_(RectificationNumber(kDefaultRectification)), py::tuple(), py::none(),
             py::float_(kDefaultOutput.DistanceMm), py::float_(kDefaultOutput.OutputFactor)}};
}

ConditionArguments ConditionArgumentsOf(const py::handle& conditions) {
    if (!py::isinstance<py::dict>(conditions) &&
        !py::isinstance(conditions, py::module_::import("collections.abc").attr("Mapping"))) {
        throw py::type_error("a condition is a mapping of compute's arguments, not " +
                             TypeName(conditions));
    }
    ConditionArguments arguments = DefaultConditionArguments();
    for (const auto& [key, value] : py::dict(py::reinterpret_borrow<py::object>(conditions))) {
        const std::string name = py::str(key);
        std::size_t i = 0;
        while (i < kConditionNames.size() && name != kConditionNames[i]) {
            ++i;
        }
        if (i == kConditionNames.size()) {
            throw py::type_error(ArgumentsHelper("unknown_argument_message")(
                                     name, "compute", py::cast(kConditionNames))
                                     .cast<std::string>());
        }
        arguments.Values[i] = py::reinterpret_borrow<py::object>(value);
    }
    return arguments;
}

ScriptedRequest ReadConditions(const ConditionArguments& arguments) {
    const auto& [model, kv, angle, inherent, al, cu, rectification, filters, dataDir, distance,
                 outputFactor] = arguments.Values;
    ScriptedRequest request;
    BeamRequest& beam = request.Beam;
    beam.Model = ModelOf(model);
    beam.Conditions =
        ConditionValues{NumberOf(kv, "kv"),
                        angle.is_none() ? DefaultTargetAngle(beam.Model) : NumberOf(angle, "angle"),
                        NumberOf(inherent, "inherent"), NumberOf(al, "al"), NumberOf(cu, "cu")};
    beam.Rectification = RectificationOf(rectification);
    // Checked by the run, so that a refusal carries the field and the window's message.
    beam.Output =
        OutputValues{NumberOf(distance, "distance_mm"), NumberOf(outputFactor, "output_factor")};
    request.DataFolder = DataFolderOf(dataDir);
    beam.Filters = FiltersOf(filters, request.DataFolder);
    return request;
}

std::filesystem::path DataFolderOf(const py::handle& dataDir) {
    if (!dataDir.is_none()) {
        const std::optional<std::string> folder = PathTextOf(dataDir);
        if (!folder) {
            throw py::type_error("data_dir must be a str, a path or None, not " +
                                 TypeName(dataDir));
        }
        return *folder;
    }
    static const std::filesystem::path package =
        std::filesystem::path(py::module_::import("tubeline").attr("__file__").cast<std::string>())
            .parent_path();
    return DecideDataFolder(ProcessPlaceSources(), ModuleDataFolders(package));
}

std::vector<std::filesystem::path> MaterialFoldersBeside(const std::filesystem::path& dataFolder) {
    return MaterialFoldersFor(ProcessPlaceSources(), dataFolder);
}

}  // namespace tubeline::python
