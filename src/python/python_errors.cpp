#include "python_errors.h"

#include <pybind11/eval.h>

namespace py = pybind11;

namespace tubeline::python {
namespace {

constexpr const char* kErrorClasses = R"(
class InputRejected(ValueError):
    """An input the main window's calculate command refuses: a target angle below 12 or from
    90 degrees, a number that is not finite, a fourth filter, filtration that leaves no
    spectrum, a half-value layer that cannot be matched. The message is the window's."""


class DataFileError(OSError):
    """The attenuation table or a material file was read, but its contents were refused.
    filename names the file; the message says what is wrong where."""

    def __str__(self):
        return self.strerror


class TubelineWarning(UserWarning):
    """Something the calculation changed or left out and said so: a tube voltage corrected
    into 30..150 kV, a material file that materials() could not read."""
)";

py::object ModuleAttribute(const char* name) {
    return py::module_::import("tubeline").attr(name);
}

}  // namespace

void DefineErrors(py::module_& module) {
    py::exec(kErrorClasses, module.attr("__dict__"));
}

py::object ExceptionOf(const ScriptedRejection& rejection) {
    return ModuleAttribute("InputRejected")(rejection.Message);
}

py::object ExceptionOf(const ScriptedFileProblem& problem) {
    if (problem.ErrorNumber) {
        // OSError picks FileNotFoundError, PermissionError ... by the error number.
        return py::reinterpret_borrow<py::object>(PyExc_OSError)(
            *problem.ErrorNumber, problem.Message, problem.File.string());
    }
    return ModuleAttribute("DataFileError")(py::none(), problem.Message, problem.File.string());
}

void Warn(const std::string& message) {
    if (PyErr_WarnEx(ModuleAttribute("TubelineWarning").ptr(), message.c_str(), 1) != 0) {
        throw py::error_already_set();  // warnings turned into errors
    }
}

void Raise(const py::object& exception) {
    PyErr_SetObject(reinterpret_cast<PyObject*>(Py_TYPE(exception.ptr())), exception.ptr());
    throw py::error_already_set();
}

}  // namespace tubeline::python
