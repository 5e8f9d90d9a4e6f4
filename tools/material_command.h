#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

namespace tubeline::tools {

// Exit codes of tubeline-material.
inline constexpr int kMaterialExitSuccess = 0;
inline constexpr int kMaterialExitFileError = 1;
inline constexpr int kMaterialExitUsage = 2;

// The whole command: arguments (without the program name) in, a line saying what was written
// (or the help, or the compound list) on `out`, one line per problem on `err`, the exit code
// returned.
int RunMaterialCommand(std::span<const std::string_view> arguments, std::ostream& out,
                       std::ostream& err);

}  // namespace tubeline::tools
