#include "comparison_texts.h"

#include "translation.h"

namespace tubeline {

std::string KeptBeamsLimitCaption() {
    return Substitute(Tr("Comparison", "（最大 %1 本）"), {std::to_string(kMostComparedBeams)});
}

}  // namespace tubeline
