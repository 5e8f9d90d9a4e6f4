#pragma once

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/calculator.h"
#include "support/test_data.h"

namespace tubeline::testing {

// What one tubeline-calc command gave.
struct Outcome {
    int Code;
    std::string Out;
    std::string Err;
};

// Runs the command with the shipped data folder (unless told not to) and `input` as standard
// input.
inline Outcome Calculate(std::vector<std::string> arguments, bool withData = true,
                         const std::string& input = {}) {
    if (withData) {
        arguments.insert(arguments.begin(), {"--data", DataFolder().string()});
    }
    const std::vector<std::string_view> views(arguments.begin(), arguments.end());
    std::istringstream in(input);
    std::ostringstream out, err;
    const int code = RunCalculator(views, {in, out, err});
    return {code, out.str(), err.str()};
}

// A material file of the shipped data folder.
inline std::string ShippedFile(const char* fileName) {
    return (DataFolder() / fileName).string();
}

}  // namespace tubeline::testing
