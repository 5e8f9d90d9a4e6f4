#include "beam_run.h"

#include "calculator.h"
#include "texts/run_messages.h"

namespace tubeline {

BeamFailure FailureOf(const BeamRefusal& refusal) {
    const auto* filter = std::get_if<FilterRefusal>(&refusal);
    const bool fileRefused =
        (filter && filter->FileRefused()) || std::holds_alternative<ModelDataRefusal>(refusal);
    return {BeamRefusalMessage(refusal), fileRefused ? kExitFileError : kExitUsageOrRejected};
}

}  // namespace tubeline
