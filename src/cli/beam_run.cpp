#include "beam_run.h"

#include "calculator.h"
#include "texts/run_messages.h"

namespace tubeline {

BeamFailure FailureOf(const BeamRefusal& refusal) {
    const auto* filter = std::get_if<FilterRefusal>(&refusal);
    return {BeamRefusalMessage(refusal),
            filter && filter->FileRefused() ? kExitFileError : kExitUsageOrRejected};
}

}  // namespace tubeline
