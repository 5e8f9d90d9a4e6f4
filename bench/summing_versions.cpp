#include "summing_versions.h"

namespace tubeline::bench {

std::vector<MeasuredVersion> VersionsToMeasure() {
    const std::vector<SummingVersion>& runnable = RunnableSummingVersions();
    std::vector<MeasuredVersion> versions;
    for (const SummingVersion& version : runnable) {
        const bool fallback = runnable.size() > 1 && &version == &runnable.back();
        versions.push_back({version, std::string(version.InstructionSet) + "/", !fallback});
    }
    return versions;
}

}  // namespace tubeline::bench
