#pragma once

#include <filesystem>
#include <string>

namespace tubeline {

// What the system says about the user's folders.
struct UserFolders {
    std::filesystem::path Home;  // empty when unknown
    std::string DataHome;        // $XDG_DATA_HOME, empty when unset
    std::string ConfigHome;      // $XDG_CONFIG_HOME, empty when unset
};

// $HOME (or the password entry's home) and the XDG variables of this process.
UserFolders ProcessUserFolders();

// An environment variable of this process, empty when unset.
std::string EnvironmentVariable(const char* name);

// The running program's file, symbolic links resolved; empty where the system does not say.
std::filesystem::path RunningExecutable();

// $XDG_DATA_HOME, or ~/.local/share when that variable is unset, empty or relative (the XDG
// rule).
std::filesystem::path DataHomeFolder(const UserFolders& folders);

// The documents folder of user-dirs.dirs ($XDG_CONFIG_HOME or ~/.config), else ~/Documents,
// whichever exists first, else the home folder.
std::filesystem::path DocumentsFolder(const UserFolders& folders);

// Creates the folder and those above it where missing; throws FileError naming the folder when
// it cannot.
void CreateFolder(const std::filesystem::path& folder);

}  // namespace tubeline
