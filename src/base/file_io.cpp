#include "file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <utility>

namespace tubeline {
namespace {

// Closes a descriptor on every path out of a function.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int Get() const { return fd_; }
    // Closes now so that a failing close (a deferred write error) can be reported.
    int Close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

  private:
    int fd_;
};

void WriteAll(int fd, std::string_view bytes, const std::filesystem::path& path) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw FileError(path, errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void WriteInPlace(const std::filesystem::path& path, std::string_view bytes) {
    Descriptor fd(::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC));
    if (fd.Get() < 0) {
        throw FileError(path, errno);
    }
    WriteAll(fd.Get(), bytes, path);
    if (fd.Close() != 0) {
        throw FileError(path, errno);
    }
}

// A hidden name beside the target: this process's id and a count of the names it has made, so
// no two writers of this process or of another running one pick the same.
std::filesystem::path SiblingName(const std::filesystem::path& target) {
    static std::atomic<unsigned> namesMade{0};
    std::ostringstream name;
    name << '.' << target.filename().string() << '.' << std::hex << ::getpid() << '-' << namesMade++
         << ".part";
    return target.parent_path() / name.str();
}

// Creates a new file beside the target to write into; a name left over by an ended process of
// the same id is stepped over.
std::pair<int, std::filesystem::path> CreateSibling(const std::filesystem::path& target,
                                                    mode_t mode) {
    constexpr int kAttempts = 100;
    for (int attempt = 1;; ++attempt) {
        std::filesystem::path part = SiblingName(target);
        const int fd = ::open(part.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST || attempt == kAttempts) {
            return {fd, std::move(part)};
        }
    }
}

// Allocates the new file's blocks before writing. On ext4, renaming over an existing file
// first forces out the new one's delayed allocations; with the blocks in place the rename has
// none to force. Only a saving: where it fails (no such support, no room) the write that
// follows meets and reports any real problem. fallocate is Linux's own; elsewhere nothing is
// reserved (posix_fallocate would write zeros where the file system cannot allocate).
#if defined(__linux__)
void ReserveSpace(int fd, std::size_t size) {
    if (size > 0) {
        static_cast<void>(::fallocate(fd, 0, 0, static_cast<off_t>(size)));
    }
}
#else
void ReserveSpace(int, std::size_t) {}
#endif

}  // namespace

FileError::FileError(FileProblem problem)
    : std::runtime_error(
          problem.Path.string() + ": " +
          (problem.ReadOnlyFile() ? "file marked read-only" : std::strerror(problem.ErrorNumber))),
      problem_(std::move(problem)) {}

FileError::FileError(const std::filesystem::path& path, int errorNumber)
    : FileError(FileProblem{path, errorNumber}) {}

std::string ReadTextFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw FileError(path, errno);
    }
    std::ostringstream content;
    content << file.rdbuf();
    if (file.bad()) {
        throw FileError(path, errno);
    }
    return std::move(content).str();
}

void ReplaceFileContents(const std::filesystem::path& path, std::string_view bytes) {
    struct stat existing {};
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) {
        throw FileError(path, EISDIR);
    }
    if (exists && !S_ISREG(existing.st_mode)) {
        WriteInPlace(path, bytes);
        return;
    }
    if (exists && ::access(path.c_str(), W_OK) != 0) {
        throw FileError(path, errno);
    }
    // A file marked read-only is kept even for a user whom the system would let replace it.
    if (exists && (existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        throw FileError(FileProblem{path, 0});
    }
    // Follow a symbolic link so that the file it names is replaced, not the link.
    std::error_code resolved;
    const std::filesystem::path target = exists ? std::filesystem::canonical(path, resolved)
                                                : std::filesystem::absolute(path, resolved);
    if (resolved) {
        throw FileError(path, resolved.value());
    }
    const mode_t mode = exists ? (existing.st_mode & 07777) : 0666;
    const auto [created, part] = CreateSibling(target, mode);
    Descriptor fd(created);
    if (fd.Get() < 0) {
        // Report the name the operator chose, not the hidden sibling.
        throw FileError(path, errno);
    }
    try {
        ReserveSpace(fd.Get(), bytes.size());
        WriteAll(fd.Get(), bytes, path);
        if (fd.Close() != 0) {
            throw FileError(path, errno);
        }
        if (::rename(part.c_str(), target.c_str()) != 0) {
            throw FileError(path, errno);
        }
    } catch (...) {
        ::unlink(part.c_str());
        throw;
    }
}

void RemoveFileIfPresent(const std::filesystem::path& path) noexcept {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

void RemoveFileIfItHolds(const std::filesystem::path& path, std::string_view bytes) noexcept {
    try {
        if (ReadTextFile(path) == bytes) {
            RemoveFileIfPresent(path);
        }
    } catch (const std::exception&) {
        // Nothing readable of ours to remove.
    }
}

}  // namespace tubeline
