#pragma once

#include <pybind11/pybind11.h>

#include <cstddef>
#include <deque>
#include <exception>
#include <memory>
#include <optional>
#include <string>

#include "python_result.h"
#include "scripted_run.h"

namespace tubeline::python {

class BatchRun;

// The results of an iterable of conditions, in order, computed a batch at a time over the cores:
// tubeline.imap, and compute_many, which keeps them all. While the caller works on the results
// of one batch the next is computed; the iterable is read no further than that batch. While the
// caller waits for a batch the interpreter is asked whether a signal came (Ctrl-C), and a
// KeyboardInterrupt stops the batch with nothing left running.
class ResultStream {
  public:
    // `caller` names the function in the places of refusals and warnings: "compute_many" or
    // "imap".
    // `conditions` is any iterable; anything else is the interpreter's TypeError.
    ResultStream(const pybind11::handle& conditions, std::string caller, ResultKind kind);
    ResultStream(ResultStream&&) noexcept;
    ~ResultStream();  // stops a batch in flight and waits for its threads

    // The next Result (or BeamFigures); raises StopIteration after the last, and the exception
    // of a condition that was refused or could not be read in its turn, which ends the stream.
    pybind11::object Next();

  private:
    struct Pending {
        std::size_t Index;
        ScriptedOutcome<ScriptedRun> Outcome;
        std::exception_ptr Failure;  // a C++ exception of the run
    };

    // Reads the next batch and starts computing it, unless the iterable has ended or a condition
    // could not be read.
    void Launch();
    // Waits for the batch in flight, asking for signals, and queues its outcomes.
    void Collect();
    // The place of a condition in the sweep: "condition 7 of imap".
    std::string PlaceOf(std::size_t index) const;

    pybind11::object source_;  // the iterable's iterator
    std::string caller_;
    ResultKind kind_;
    ResultMaker maker_;
    std::size_t read_ = 0;  // conditions read so far
    bool exhausted_ = false;
    std::deque<Pending> pending_;
    // A condition that could not be read, raised once the results before it are out.
    std::optional<pybind11::error_already_set> unreadable_;
    std::unique_ptr<BatchRun> running_;  // the batch in flight
    std::size_t runningFirst_ = 0;       // the index of its first condition
    bool finished_ = false;
};

// Defines tubeline._native.ResultStream.
void DefineRuns(pybind11::module_& module);

// Issues the TubelineWarning of a run whose tube voltage was corrected, led by the run's place in
// a sweep when it has one.
void WarnOfCorrection(const ScriptedRun& run, const std::string& place = {});

}  // namespace tubeline::python
