#include "user_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string_view>

#include "file_io.h"

namespace tubeline {
namespace fs = std::filesystem;
namespace {

fs::path HomeOfProcess() {
    if (const std::string home = EnvironmentVariable("HOME"); !home.empty()) {
        return home;
    }
    const long suggested = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::string buffer(suggested > 0 ? static_cast<std::size_t>(suggested) : 16384, '\0');
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
        found != nullptr && found->pw_dir != nullptr) {
        return found->pw_dir;
    }
    return {};
}

// An XDG base folder: the variable when it names an absolute path, the default otherwise.
fs::path BaseFolder(const std::string& variable, const fs::path& fallback) {
    const fs::path set = variable;
    return set.is_absolute() ? set : fallback;
}

// The value between the double quotes of a shell assignment, backslash escapes undone; none
// when the quotes are not closed.
std::optional<std::string> QuotedValue(std::string_view text) {
    std::string value;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"') {
            return value;
        }
        if (text[i] == '\\' && i + 1 < text.size()) {
            ++i;
        }
        value.push_back(text[i]);
    }
    return std::nullopt;
}

// XDG_DOCUMENTS_DIR of user-dirs.dirs, written as "$HOME/Path" or "/Path"; the last assignment
// counts, as when the shell reads the file.
std::optional<fs::path> UserDirsDocuments(const UserFolders& folders) {
    constexpr std::string_view kKey = "XDG_DOCUMENTS_DIR=\"";
    constexpr std::string_view kHome = "$HOME";
    std::ifstream file(BaseFolder(folders.ConfigHome, folders.Home / ".config") / "user-dirs.dirs");
    std::optional<fs::path> documents;
    std::string line;
    while (std::getline(file, line)) {
        const std::size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line.compare(start, kKey.size(), kKey) != 0) {
            continue;
        }
        const std::optional<std::string> value =
            QuotedValue(std::string_view(line).substr(start + kKey.size()));
        if (!value) {
            continue;
        }
        if (value->starts_with('/')) {
            documents = *value;
        } else if (value->starts_with(kHome) && !folders.Home.empty()) {
            const std::string rest = value->substr(kHome.size());
            if (rest.empty() || rest.starts_with('/')) {
                documents = (folders.Home / fs::path(rest).relative_path()).lexically_normal();
            }
        }
    }
    return documents;
}

}  // namespace

std::string EnvironmentVariable(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

UserFolders ProcessUserFolders() {
    return {HomeOfProcess(), EnvironmentVariable("XDG_DATA_HOME"),
            EnvironmentVariable("XDG_CONFIG_HOME")};
}

fs::path RunningExecutable() {
    std::error_code error;
    return fs::read_symlink("/proc/self/exe", error);
}

fs::path DataHomeFolder(const UserFolders& folders) {
    return BaseFolder(folders.DataHome, folders.Home / ".local" / "share");
}

fs::path DocumentsFolder(const UserFolders& folders) {
    std::error_code error;
    if (const std::optional<fs::path> documents = UserDirsDocuments(folders);
        documents && fs::is_directory(*documents, error)) {
        return *documents;
    }
    if (!folders.Home.empty() && fs::is_directory(folders.Home / "Documents", error)) {
        return folders.Home / "Documents";
    }
    return folders.Home;
}

void CreateFolder(const fs::path& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        throw FileError(folder, error.value());
    }
}

}  // namespace tubeline
