#pragma once

#include <string>

#include "model/beam_request.h"

namespace tubeline {

// Why a beam of tubeline-calc was not computed: the message for people (as the window words it)
// and the exit code of a single run.
struct BeamFailure {
    std::string Message;
    int ExitCode;
};

BeamFailure FailureOf(const BeamRefusal& refusal);

}  // namespace tubeline
