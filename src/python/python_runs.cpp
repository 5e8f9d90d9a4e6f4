#include "python_runs.h"

#include <chrono>
#include <exception>
#include <utility>
#include <vector>

#include "base/parallel_for.h"
#include "python_conditions.h"
#include "python_errors.h"
#include "python_result.h"
#include "texts/condition_messages.h"

namespace py = pybind11;

namespace tubeline::python {
namespace {

// Conditions read and run at a time: enough to keep the cores busy, few enough to hold.
constexpr std::size_t kBatchSize = 64;
// How often the interpreter is asked for signals while a batch runs.
constexpr std::chrono::milliseconds kSignalCheckPeriod{20};

// The Python exception now set, its message led by the condition's place when it is one of
// the module's TypeError or ValueError (a wrong argument).
py::error_already_set WithPlace(std::size_t index, const std::string& caller) {
    py::error_already_set error;
    if (error.matches(PyExc_TypeError) || error.matches(PyExc_ValueError)) {
        const std::string message = "condition " + std::to_string(index) + " of " + caller + ": " +
                                    py::str(error.value()).cast<std::string>();
        PyErr_SetObject(error.type().ptr(), py::str(message).ptr());
        return py::error_already_set();
    }
    return error;
}

[[noreturn]] void RaiseWithNote(const py::object& exception, std::size_t index,
                                const std::string& caller) {
    if (py::hasattr(exception, "add_note")) {  // from Python 3.11
        exception.attr("add_note")("in condition " + std::to_string(index) + " of " + caller);
    }
    Raise(exception);
}

constexpr const char* kImapDoc =
    R"(compute(**c) for every dictionary c of the iterable, one Result at a time, in order.

The conditions are read and computed a batch of 64 at a time over the cores, so a sweep of any
length holds little. A condition that is refused raises the exception compute would raise when
its turn comes, with a note giving its place, and ends the iteration; a wrong argument (an
unknown key, a text for a number) raises TypeError or ValueError naming its place. Ctrl-C
raises KeyboardInterrupt within about 0.1 s, leaving nothing running.)";

constexpr const char* kComputeManyDoc =
    R"(The list of compute(**c) for every dictionary c of the iterable, spread over the cores.

Raises as imap does: the first condition refused, with a note giving its place. Ctrl-C raises
KeyboardInterrupt within about 0.1 s, leaving nothing running.)";

}  // namespace

ResultStream::ResultStream(const py::iterable& conditions, std::string caller)
    : source_(py::iter(conditions)), caller_(std::move(caller)) {}

void ResultStream::ReadAndRunBatch() {
    std::vector<ScriptedConditions> batch;
    const std::size_t first = read_;
    while (batch.size() < kBatchSize && !unreadable_) {
        const py::object item = py::reinterpret_steal<py::object>(PyIter_Next(source_.ptr()));
        if (!item) {
            if (PyErr_Occurred()) {
                finished_ = true;
                throw py::error_already_set();
            }
            break;
        }
        try {
            batch.push_back(ReadConditions(ConditionArgumentsOf(item)));
        } catch (py::builtin_exception& error) {
            error.set_error();
            unreadable_ = WithPlace(read_, caller_);
        } catch (py::error_already_set& error) {
            // A wrong argument waits for its turn; anything else (Ctrl-C) goes at once.
            if (!error.matches(PyExc_TypeError) && !error.matches(PyExc_ValueError)) {
                finished_ = true;
                throw;
            }
            error.restore();
            unreadable_ = WithPlace(read_, caller_);
        }
        ++read_;
    }

    std::vector<ScriptedOutcome<ScriptedRun>> outcomes(batch.size());
    std::vector<std::exception_ptr> failures(batch.size());
    bool interrupted = false;
    {
        py::gil_scoped_release release;
        for (const ScriptedConditions& request : batch) {
            if (!tables_.contains(request.DataFolder)) {
                tables_.emplace(request.DataFolder, LoadScriptedAttenuation(request.DataFolder));
            }
        }
        interrupted = ForEachIndexInParallelUnless(
            static_cast<int>(batch.size()), WorkerThreadCount(),
            [&](int i) {
                try {
                    const auto& table = tables_.at(batch[i].DataFolder);
                    if (const auto* problem = std::get_if<ScriptedFileProblem>(&table)) {
                        outcomes[i] = *problem;
                    } else {
                        outcomes[i] = RunScripted(batch[i], std::get<AttenuationTable>(table));
                    }
                } catch (...) {
                    failures[i] = std::current_exception();
                }
            },
            [] {
                py::gil_scoped_acquire acquire;
                return PyErr_CheckSignals() != 0;
            },
            kSignalCheckPeriod);
    }
    if (interrupted) {
        finished_ = true;
        throw py::error_already_set();
    }
    for (std::size_t i = 0; i < batch.size(); ++i) {
        if (failures[i]) {
            finished_ = true;
            std::rethrow_exception(failures[i]);
        }
        pending_.push_back({first + i, std::move(outcomes[i])});
    }
}

py::object ResultStream::Next() {
    if (!finished_ && pending_.empty()) {
        ReadAndRunBatch();
    }
    if (pending_.empty()) {
        finished_ = true;
        if (unreadable_) {
            const py::error_already_set error = std::move(*unreadable_);
            unreadable_.reset();
            throw error;
        }
        throw py::stop_iteration();
    }
    Pending next = std::move(pending_.front());
    pending_.pop_front();
    const py::object exception = ExceptionOf(next.Outcome);
    if (!exception.is_none()) {
        finished_ = true;
        pending_.clear();
        unreadable_.reset();
        RaiseWithNote(exception, next.Index, caller_);
    }
    const ScriptedRun& run = std::get<ScriptedRun>(next.Outcome);
    WarnOfCorrection(run);
    return py::cast(ResultOf(run));
}

void WarnOfCorrection(const ScriptedRun& run) {
    if (run.CorrectedTubeVoltageKv) {
        Warn(TubeVoltageCorrectedMessage(*run.CorrectedTubeVoltageKv));
    }
}

void DefineRuns(py::module_& module) {
    py::class_<ResultStream>(module, "_ResultStream")
        .def("__iter__", [](py::object self) { return self; })
        .def("__next__", &ResultStream::Next);
    module.def(
        "imap", [](const py::iterable& conditions) { return ResultStream(conditions, "imap"); },
        py::arg("conditions"), kImapDoc);
    module.def(
        "compute_many",
        [](const py::iterable& conditions) {
            ResultStream stream(conditions, "compute_many");
            py::list results;
            while (true) {
                try {
                    results.append(stream.Next());
                } catch (const py::stop_iteration&) {
                    return results;
                }
            }
        },
        py::arg("conditions"), kComputeManyDoc);
}

}  // namespace tubeline::python
