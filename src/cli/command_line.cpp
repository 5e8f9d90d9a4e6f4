#include "command_line.h"

namespace tubeline {

bool CommandLineReader::Next() {
    if (next_ >= arguments_.size()) {
        return false;
    }
    current_ = next_++;
    option_ = arguments_[current_];
    inlineValue_.reset();
    if (const auto equals = option_.find('=');
        option_.starts_with("--") && equals != std::string_view::npos) {
        inlineValue_ = option_.substr(equals + 1);
        option_ = option_.substr(0, equals);
    }
    return true;
}

std::string CommandLineReader::Value() {
    if (inlineValue_) {
        return std::string(*inlineValue_);
    }
    if (next_ >= arguments_.size()) {
        throw UsageError("option " + std::string(option_) + " needs a value");
    }
    return std::string(arguments_[next_++]);
}

void CommandLineReader::RefuseUnknown() const {
    throw UsageError("unknown argument '" + std::string(arguments_[current_]) + "'");
}

}  // namespace tubeline
