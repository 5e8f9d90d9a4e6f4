#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tubeline {

// A file that could not be read or written; Reason() is the operating system's cause in words
// an operator understands.
class FileError : public std::runtime_error {
  public:
    FileError(const std::filesystem::path& path, std::string reason);
    const std::filesystem::path& Path() const { return path_; }
    const std::string& Reason() const { return reason_; }

  private:
    std::filesystem::path path_;
    std::string reason_;
};

// The cause of a failed system call, from its errno value.
std::string DescribeErrno(int errorNumber);

std::string ReadTextFile(const std::filesystem::path& path);

// Writes the bytes so that the file at path either keeps its old content or holds all of the
// new one: a regular file is written beside and then renamed over the old one. A file that
// exists but may not be written is refused rather than replaced. Targets that are not regular
// files (devices) are written in place.
void ReplaceFileContents(const std::filesystem::path& path, std::string_view bytes);

// Removes the file if it is there; a missing file or a failure is not an error.
void RemoveFileIfPresent(const std::filesystem::path& path) noexcept;

}  // namespace tubeline
