#include "file_places.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <optional>

#include "attenuation_table_file.h"
#include "file_io.h"

namespace tubeline {
namespace fs = std::filesystem;
namespace {

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

fs::path HomeOfProcess() {
    if (const std::string home = Variable("HOME"); !home.empty()) {
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

bool HoldsAttenuationTable(const fs::path& folder) {
    std::error_code error;
    return !folder.empty() && fs::exists(folder / kAttenuationTableFileName, error);
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
std::optional<fs::path> UserDirsDocuments(const PlaceSources& sources) {
    constexpr std::string_view kKey = "XDG_DOCUMENTS_DIR=\"";
    constexpr std::string_view kHome = "$HOME";
    std::ifstream file(BaseFolder(sources.ConfigHome, sources.Home / ".config") / "user-dirs.dirs");
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
        } else if (value->starts_with(kHome) && !sources.Home.empty()) {
            const std::string rest = value->substr(kHome.size());
            if (rest.empty() || rest.starts_with('/')) {
                documents = (sources.Home / fs::path(rest).relative_path()).lexically_normal();
            }
        }
    }
    return documents;
}

}  // namespace

PlaceSources ProcessPlaceSources() {
    PlaceSources sources;
    std::error_code error;
    sources.WorkingFolder = fs::current_path(error);
    sources.Executable = fs::read_symlink("/proc/self/exe", error);
    sources.Home = HomeOfProcess();
    sources.DataHome = Variable("XDG_DATA_HOME");
    sources.ConfigHome = Variable("XDG_CONFIG_HOME");
    sources.DataVariable = Variable(kDataFolderVariable);
    return sources;
}

FilePlaces PlacesInFolder(const fs::path& folder) {
    return {folder, folder, {folder}, folder};
}

fs::path DecideDataFolder(const PlaceSources& sources, const std::vector<fs::path>& installed) {
    if (!sources.DataVariable.empty()) {
        return sources.DataVariable;
    }
    for (const fs::path& folder : installed) {
        if (ChooseDataFolder(sources.WorkingFolder, folder) == folder) {
            return folder;
        }
    }
    return sources.WorkingFolder;
}

fs::path DecideDataFolder(const PlaceSources& sources) {
    return DecideDataFolder(sources, {InstalledDataFolder(sources.Executable)});
}

std::vector<fs::path> ModuleDataFolders(const fs::path& packageFolder) {
    // <prefix>/lib/python3.X/dist-packages/tubeline: four levels below the prefix.
    const fs::path prefix = packageFolder.parent_path().parent_path().parent_path().parent_path();
    return {packageFolder / "data", prefix / "share" / kProgramFolderName};
}

std::vector<fs::path> MaterialFoldersFor(const PlaceSources& sources, const fs::path& dataFolder) {
    if (dataFolder == sources.WorkingFolder) {
        return {dataFolder};
    }
    return {UserDataFolder(sources), dataFolder};
}

fs::path ChooseDataFolder(const fs::path& workingFolder, const fs::path& installed) {
    return !HoldsAttenuationTable(workingFolder) && HoldsAttenuationTable(installed)
               ? installed
               : workingFolder;
}

FilePlaces DecideFilePlaces(const PlaceSources& sources) {
    const fs::path data =
        ChooseDataFolder(sources.WorkingFolder, InstalledDataFolder(sources.Executable));
    if (data == sources.WorkingFolder) {
        return PlacesInFolder(data);
    }
    const fs::path documents = DocumentsFolder(sources);
    return {data, UserDataFolder(sources), MaterialFoldersFor(sources, data),
            documents.empty() ? sources.WorkingFolder : documents};
}

fs::path InstalledDataFolder(const fs::path& executable) {
    if (!executable.is_absolute()) {
        return {};
    }
    return executable.parent_path().parent_path() / "share" / kProgramFolderName;
}

fs::path UserDataFolder(const PlaceSources& sources) {
    return BaseFolder(sources.DataHome, sources.Home / ".local" / "share") / kProgramFolderName;
}

fs::path DocumentsFolder(const PlaceSources& sources) {
    std::error_code error;
    if (const std::optional<fs::path> documents = UserDirsDocuments(sources);
        documents && fs::is_directory(*documents, error)) {
        return *documents;
    }
    if (!sources.Home.empty() && fs::is_directory(sources.Home / "Documents", error)) {
        return sources.Home / "Documents";
    }
    return sources.Home;
}

void CreateFolder(const fs::path& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        throw FileError(folder, error.value());
    }
}

}  // namespace tubeline
