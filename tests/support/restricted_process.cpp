#include "support/restricted_process.h"

#include <unistd.h>

#include <csignal>
#include <stdexcept>

namespace tubeline::testing {
namespace {

constexpr uid_t kNobody = 65534;
namespace fs = std::filesystem;

}  // namespace

WithoutSuperuserRights::WithoutSuperuserRights() {
    if (::geteuid() == 0) {
        if (::setegid(kNobody) != 0 || ::seteuid(kNobody) != 0) {
            throw std::runtime_error("cannot give up superuser rights");
        }
        switched_ = true;
    }
}

WithoutSuperuserRights::~WithoutSuperuserRights() {
    if (switched_) {
        // The saved user id is still root, so the rights come back.
        (void)::seteuid(0);
        (void)::setegid(0);
    }
}

void MakeReadOnlyFolder(const fs::path& folder) {
    const fs::path top = fs::temp_directory_path();
    for (fs::path level = folder.parent_path(); level.string().size() > top.string().size();
         level = level.parent_path()) {
        fs::permissions(level, fs::perms::owner_all | fs::perms::group_read |
                                   fs::perms::group_exec | fs::perms::others_read |
                                   fs::perms::others_exec);
    }
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read |
                                fs::perms::others_exec);
}

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &previous_);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limited{bytes, previous_.rlim_max};
    if (::setrlimit(RLIMIT_FSIZE, &limited) != 0) {
        throw std::runtime_error("cannot limit the file size");
    }
}

FileSizeLimit::~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
}

}  // namespace tubeline::testing
