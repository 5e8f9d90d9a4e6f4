#include "python_runs.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <utility>
#include <vector>

#include "base/joining_thread.h"
#include "base/parallel_for.h"
#include "kept_data_files.h"
#include "python_conditions.h"
#include "python_errors.h"
#include "texts/condition_messages.h"

namespace py = pybind11;

namespace tubeline::python {

// A batch of conditions computed on threads of their own, over the cores, without the
// interpreter.
class BatchRun {
  public:
    explicit BatchRun(std::vector<ScriptedRequest> requests)
        : requests_(std::move(requests)),
          outcomes_(requests_.size()),
          failures_(requests_.size()),
          thread_([this] { Run(); }) {}
    BatchRun(const BatchRun&) = delete;
    BatchRun& operator=(const BatchRun&) = delete;
    // Starts no further condition and waits for those started.
    ~BatchRun() { stopped_ = true; }

    // Waits up to `period`; whether the batch is done.
    bool WaitFor(std::chrono::milliseconds period) {
        std::unique_lock lock(mutex_);
        return finished_.wait_for(lock, period, [this] { return done_; });
    }

    std::size_t Size() const { return requests_.size(); }
    ScriptedOutcome<ScriptedRun>& Outcome(std::size_t i) { return outcomes_[i]; }
    std::exception_ptr Failure(std::size_t i) const { return failures_[i]; }

  private:
    void Run() {
        ForEachIndexInParallel(static_cast<int>(requests_.size()), WorkerThreadCount(),
                               [this](int i) {
                                   if (stopped_) {
                                       return;
                                   }
                                   try {
                                       outcomes_[i] = RunScripted(requests_[i], *files_);
                                   } catch (...) {
                                       failures_[i] = std::current_exception();
                                   }
                               });
        const std::lock_guard lock(mutex_);
        done_ = true;
        finished_.notify_all();
    }

    // Kept by the batch, so that it outlives the process's own reference at exit.
    const std::shared_ptr<KeptDataFiles> files_ = ProcessDataFiles();
    const std::vector<ScriptedRequest> requests_;
    std::vector<ScriptedOutcome<ScriptedRun>> outcomes_;
    std::vector<std::exception_ptr> failures_;
    std::atomic<bool> stopped_{false};
    std::mutex mutex_;
    std::condition_variable finished_;
    bool done_ = false;
    JoiningThread thread_;  // last: starts once the rest exists, and is joined first
};

namespace {

// Conditions read and run at a time: enough to keep the cores busy, few enough to hold.
constexpr std::size_t kBatchSize = 64;
// How often the interpreter is asked for signals while the caller waits for a batch.
constexpr std::chrono::milliseconds kSignalCheckPeriod{20};

// The Python exception now set, its message led by the condition's place when it is one of
// the module's TypeError or ValueError (a wrong argument).
py::error_already_set WithPlace(const std::string& place) {
    py::error_already_set error;
    if (error.matches(PyExc_TypeError) || error.matches(PyExc_ValueError)) {
        const std::string message = place + ": " + py::str(error.value()).cast<std::string>();
        PyErr_SetObject(error.type().ptr(), py::str(message).ptr());
        return py::error_already_set();
    }
    return error;
}

[[noreturn]] void RaiseWithNote(const py::object& exception, const std::string& place) {
    if (py::hasattr(exception, "add_note")) {  // from Python 3.11
        exception.attr("add_note")("in " + place);
    }
    Raise(exception);
}

}  // namespace

ResultStream::ResultStream(const py::handle& conditions, std::string caller, ResultKind kind)
    : source_(py::iter(conditions)), caller_(std::move(caller)), kind_(kind) {}

ResultStream::ResultStream(ResultStream&&) noexcept = default;

ResultStream::~ResultStream() = default;

std::string ResultStream::PlaceOf(std::size_t index) const {
    return "condition " + std::to_string(index) + " of " + caller_;
}

void ResultStream::Launch() {
    if (exhausted_ || unreadable_) {
        return;
    }
    std::vector<ScriptedRequest> batch;
    const std::size_t first = read_;
    while (batch.size() < kBatchSize && !unreadable_) {
        try {
            const py::object item = py::reinterpret_steal<py::object>(PyIter_Next(source_.ptr()));
            if (!item) {
                if (PyErr_Occurred()) {
                    throw py::error_already_set();
                }
                exhausted_ = true;
                break;
            }
            batch.push_back(ReadConditions(ConditionArgumentsOf(item)));
        } catch (py::builtin_exception& error) {
            error.set_error();
            unreadable_ = WithPlace(PlaceOf(read_));
        } catch (py::error_already_set& error) {
            // An error of the iterable or of a condition waits for its turn; Ctrl-C and the
            // like, which are no Exception, go at once.
            if (!error.matches(PyExc_Exception)) {
                finished_ = true;
                throw;
            }
            error.restore();
            unreadable_ = WithPlace(PlaceOf(read_));
        }
        ++read_;
    }
    if (!batch.empty()) {
        running_ = std::make_unique<BatchRun>(std::move(batch));
        runningFirst_ = first;
    }
}

void ResultStream::Collect() {
    bool interrupted = false;
    {
        py::gil_scoped_release release;
        while (!running_->WaitFor(kSignalCheckPeriod)) {
            py::gil_scoped_acquire acquire;
            if (PyErr_CheckSignals() != 0) {
                interrupted = true;
                break;
            }
        }
        if (interrupted) {
            running_.reset();
        }
    }
    if (interrupted) {
        finished_ = true;
        throw py::error_already_set();
    }
    for (std::size_t i = 0; i < running_->Size(); ++i) {
        pending_.push_back(
            {runningFirst_ + i, std::move(running_->Outcome(i)), running_->Failure(i)});
    }
    running_.reset();
}

py::object ResultStream::Next() {
    if (!finished_ && pending_.empty()) {
        if (!running_) {
            Launch();
        }
        if (running_) {
            Collect();
            Launch();  // the next batch, computed while the caller works on this one
        }
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
    if (next.Failure) {
        finished_ = true;
        std::rethrow_exception(next.Failure);
    }
    const py::object exception = ExceptionOf(next.Outcome);
    if (!exception.is_none()) {
        finished_ = true;
        pending_.clear();
        unreadable_.reset();
        running_.reset();
        RaiseWithNote(exception, PlaceOf(next.Index));
    }
    const ScriptedRun& run = std::get<ScriptedRun>(next.Outcome);
    WarnOfCorrection(run, PlaceOf(next.Index));
    return maker_.Make(run, kind_);
}

void WarnOfCorrection(const ScriptedRun& run, const std::string& place) {
    if (run.CorrectedTubeVoltageKv) {
        const std::string message = TubeVoltageCorrectedMessage(*run.CorrectedTubeVoltageKv);
        Warn(place.empty() ? message : place + ": " + message);
    }
}

void DefineRuns(py::module_& module) {
    py::class_<ResultStream>(module, "ResultStream",
                             "The iterator of imap and compute_many; see tubeline.imap.")
        .def(py::init([](const py::object& conditions, std::string caller, bool figuresOnly) {
                 return ResultStream(conditions, std::move(caller),
                                     figuresOnly ? ResultKind::FiguresOnly : ResultKind::Whole);
             }),
             py::arg("conditions"), py::arg("caller"), py::arg("figures_only"))
        .def("__iter__", [](py::object self) { return self; })
        .def("__next__", &ResultStream::Next);
}

}  // namespace tubeline::python
