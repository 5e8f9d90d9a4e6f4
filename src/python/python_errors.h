#pragma once

#include <pybind11/pybind11.h>

#include <string>
#include <utility>
#include <variant>

#include "scripted_run.h"

namespace tubeline::python {

// InputRejected carrying the window's message, the field and the reason.
pybind11::object ExceptionOf(const ScriptedRejection& rejection);
// OSError naming the file: the system's subclass (FileNotFoundError ...) when the system refused
// to read it, DataFileError when its contents were refused.
pybind11::object ExceptionOf(const ScriptedFileProblem& problem);

// The exception of an outcome that did not complete; None for a completed one.
template <class Result>
pybind11::object ExceptionOf(const ScriptedOutcome<Result>& outcome) {
    if (const auto* rejection = std::get_if<ScriptedRejection>(&outcome)) {
        return ExceptionOf(*rejection);
    }
    if (const auto* problem = std::get_if<ScriptedFileProblem>(&outcome)) {
        return ExceptionOf(*problem);
    }
    return pybind11::none();
}

[[noreturn]] void Raise(const pybind11::object& exception);

// Issues a TubelineWarning from the script's line that called into the module; raises when the
// warning filters make it an error.
void Warn(const std::string& message);

// The result of a completed outcome; raises the exception of any other. Needs the GIL.
template <class Result>
Result ValueOf(ScriptedOutcome<Result>&& outcome) {
    if (auto* value = std::get_if<Result>(&outcome)) {
        return std::move(*value);
    }
    Raise(ExceptionOf(outcome));
}

}  // namespace tubeline::python
