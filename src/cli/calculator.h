#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

namespace tubeline {

// Exit codes of tubeline-calc.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFileError = 1;
inline constexpr int kExitUsageOrRejected = 2;

// The whole command: arguments (without the program name) in, results on `out`, one line per
// problem on `err`, the exit code returned.
int RunCalculator(std::span<const std::string_view> arguments, std::ostream& out,
                  std::ostream& err);

}  // namespace tubeline
