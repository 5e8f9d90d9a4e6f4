#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tubeline {

// Why a file could not be read or written: the operating system's error number, or a file
// that is marked read-only and so is kept even where the system would let it be replaced.
struct FileProblem {
    std::filesystem::path Path;
    int ErrorNumber = 0;  // errno; 0 for a file marked read-only
    bool ReadOnlyFile() const { return ErrorNumber == 0; }
};

class FileError : public std::runtime_error {
  public:
    explicit FileError(FileProblem problem);
    // From errno of the failed call.
    FileError(const std::filesystem::path& path, int errorNumber);
    const FileProblem& Problem() const { return problem_; }

  private:
    FileProblem problem_;
};

std::string ReadTextFile(const std::filesystem::path& path);

// Writes the bytes so that the file at path either keeps its old content or holds all of the
// new one: a regular file is written beside and then renamed over the old one. A file that
// exists but may not be written is refused rather than replaced. Targets that are not regular
// files (devices) are written in place.
void ReplaceFileContents(const std::filesystem::path& path, std::string_view bytes);

// Removes the file if it is there; a missing file or a failure is not an error.
void RemoveFileIfPresent(const std::filesystem::path& path) noexcept;

// Removes the file only while it holds exactly these bytes, so that a file another program has
// written since under the same name stays. A missing or unreadable file is not an error.
void RemoveFileIfItHolds(const std::filesystem::path& path, std::string_view bytes) noexcept;

}  // namespace tubeline
