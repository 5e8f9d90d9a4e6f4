#pragma once

#include <functional>
#include <iosfwd>
#include <span>
#include <string_view>

#include "texts/language.h"

namespace tubeline {

// Exit codes of tubeline-calc.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFileError = 1;
inline constexpr int kExitUsageOrRejected = 2;

// Makes the program's messages speak a language; false when it cannot.
using LanguageSwitch = std::function<bool(Language)>;

// The whole command: arguments (without the program name) in, results on `out`, one line per
// problem on `err`, the exit code returned. The messages speak the language of --lang or of the
// locale through `speak`; without one they stay Japanese.
int RunCalculator(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err,
                  const LanguageSwitch& speak = {});

}  // namespace tubeline
