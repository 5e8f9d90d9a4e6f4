#pragma once

#include <pybind11/pybind11.h>

#include <cstddef>
#include <deque>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <variant>

#include "scripted_run.h"

namespace tubeline::python {

// The results of an iterable of conditions, in order, computed a batch at a time over the cores:
// tubeline.imap, and compute_many, which keeps them all. The iterable is read a batch ahead of
// the results, never further; between conditions the interpreter is asked whether a signal came
// (Ctrl-C), and a KeyboardInterrupt stops the batch with nothing left running.
class ResultStream {
  public:
    // `caller` names the function in the notes of refusals: "compute_many" or "imap".
    ResultStream(const pybind11::iterable& conditions, std::string caller);

    // The next Result; raises StopIteration after the last, and the exception of a condition
    // that was refused or could not be read in its turn, which ends the stream.
    pybind11::object Next();

  private:
    struct Pending {
        std::size_t Index;
        ScriptedOutcome<ScriptedRun> Outcome;
    };

    void ReadAndRunBatch();

    pybind11::object source_;  // the iterable's iterator
    std::string caller_;
    std::size_t read_ = 0;  // conditions read so far
    std::deque<Pending> pending_;
    // A condition that could not be read, raised once the results before it are out.
    std::optional<pybind11::error_already_set> unreadable_;
    // The attenuation table of every data folder met, read once: one stream sees one table per
    // folder, as one window session does.
    std::map<std::filesystem::path, std::variant<AttenuationTable, ScriptedFileProblem>> tables_;
    bool finished_ = false;
};

// Defines tubeline.imap and tubeline.compute_many.
void DefineRuns(pybind11::module_& module);

// Issues the TubelineWarning of a run whose tube voltage was corrected.
void WarnOfCorrection(const ScriptedRun& run);

}  // namespace tubeline::python
