#include "operator_messages.h"

#include "texts/file_messages.h"

namespace tubeline {

bool MayWrite(const std::filesystem::path& file, OperatorMessages& messages) {
    std::error_code unknown;
    return !std::filesystem::exists(file, unknown) || messages.Confirm(ReplaceFileQuestion(file));
}

}  // namespace tubeline
