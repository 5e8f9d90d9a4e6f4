#pragma once

#include <sys/resource.h>

#include <filesystem>

namespace tubeline::testing {

// Runs the enclosed code without the superuser's exemption from file permissions, so that a
// read-only folder is read-only even in a CI run as root. Outside root it changes nothing.
class WithoutSuperuserRights {
  public:
    WithoutSuperuserRights();
    WithoutSuperuserRights(const WithoutSuperuserRights&) = delete;
    WithoutSuperuserRights& operator=(const WithoutSuperuserRights&) = delete;
    ~WithoutSuperuserRights();

  private:
    bool switched_ = false;
};

// Makes a folder and the folders above it up to the temporary folder readable by everyone,
// and the folder itself read-only.
void MakeReadOnlyFolder(const std::filesystem::path& folder);

// Limits the size of files this process writes, as a full disk would; writes beyond the limit
// fail with EFBIG instead of raising SIGXFSZ.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes);
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    ~FileSizeLimit();

  private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

}  // namespace tubeline::testing
