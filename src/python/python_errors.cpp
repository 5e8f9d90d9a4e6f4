#include "python_errors.h"

#include <pybind11/stl.h>

namespace py = pybind11;

namespace tubeline::python {
namespace {

// The exceptions and the warning live in the package's Python half (tubeline/_errors.py).
py::object ErrorsPart(const char* name) {
    return py::module_::import("tubeline._errors").attr(name);
}

}  // namespace

py::object ExceptionOf(const ScriptedRejection& rejection) {
    return ErrorsPart("InputRejected")(rejection.Message, rejection.Field, rejection.Reason);
}

py::object ExceptionOf(const ScriptedFileProblem& problem) {
    if (problem.ErrorNumber) {
        // OSError picks FileNotFoundError, PermissionError ... by the error number.
        return py::reinterpret_borrow<py::object>(PyExc_OSError)(
            *problem.ErrorNumber, problem.Message, problem.File.string());
    }
    return ErrorsPart("DataFileError")(py::none(), problem.Message, problem.File.string());
}

void Warn(const std::string& message) {
    ErrorsPart("warn")(message);
}

void Raise(const py::object& exception) {
    PyErr_SetObject(reinterpret_cast<PyObject*>(Py_TYPE(exception.ptr())), exception.ptr());
    throw py::error_already_set();
}

}  // namespace tubeline::python
