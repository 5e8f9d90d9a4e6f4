#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tubeline {

// A command line that cannot be understood; the message says what is wrong with it.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Walks a command line of flags and options with a value, given as "--name VALUE",
// "--name=VALUE" or "-x VALUE": tubeline-calc's and tubeline-material's.
class CommandLineReader {
  public:
    explicit CommandLineReader(std::span<const std::string_view> arguments)
        : arguments_(arguments) {}

    // Moves to the next argument; false when there is none left.
    bool Next();
    // The current option: the argument, without "=VALUE".
    std::string_view Option() const { return option_; }
    // Whether the current argument is exactly the flag `name`.
    bool IsFlag(std::string_view name) const { return option_ == name && !inlineValue_; }
    // The current option's value: what follows '=', or else the next argument, which is used
    // up. UsageError when there is none.
    std::string Value();
    // The current argument is not one the program knows.
    [[noreturn]] void RefuseUnknown() const;

  private:
    std::span<const std::string_view> arguments_;
    std::size_t current_ = 0;
    std::size_t next_ = 0;
    std::string_view option_;
    std::optional<std::string_view> inlineValue_;
};

}  // namespace tubeline
