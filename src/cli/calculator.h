#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

namespace tubeline {

// Exit codes of tubeline-calc.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFileError = 1;
inline constexpr int kExitUsageOrRejected = 2;
inline constexpr int kExitSomeRowsFailed = 3;  // --batch: the other rows have their figures

struct CalculatorStreams {
    std::istream& In;  // what --batch - reads
    std::ostream& Out;
    std::ostream& Err;
    // Where --batch draws its progress bar: the terminal that standard error is, or none.
    std::ostream* Progress = nullptr;
};

// The whole command: arguments (without the program name) in, results on Out, one line per
// problem on Err, the exit code returned. The messages speak the language of --lang or of the
// locale.
int RunCalculator(std::span<const std::string_view> arguments, const CalculatorStreams& streams);

}  // namespace tubeline
