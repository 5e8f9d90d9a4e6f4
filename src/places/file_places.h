#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/user_folders.h"

namespace tubeline {

// Where the programs find and keep their files: the policies of the window program, the command
// line and the Python module, from what the system says about the process.

// The program's own folder under share/ of an install prefix and under the user's data folder.
inline constexpr std::string_view kProgramFolderName = "tubeline";

// What decides where the program's files live. The program takes them from its process
// (ProcessPlaceSources); tests set them by hand.
struct PlaceSources : UserFolders {
    std::filesystem::path WorkingFolder;
    std::filesystem::path Executable;  // the running program's file, symbolic links resolved
    std::string DataVariable;          // $TUBELINE_DATA, empty when unset
};

// The environment variable that names the data folder of the programs without windows.
inline constexpr const char* kDataFolderVariable = "TUBELINE_DATA";

// The working folder, /proc/self/exe, $HOME (or the password entry's home), the XDG variables
// and $TUBELINE_DATA of this process.
PlaceSources ProcessPlaceSources();

// Where the program reads and writes its files.
struct FilePlaces {
    // Holds Att_Coeff2020.dat.
    std::filesystem::path DataFolder;
    // Takes the scratch table file B_SPCTL.temp; it may not exist yet (CreateFolder).
    std::filesystem::path WritableFolder;
    // The folders whose material files the filter dialog offers; a name found in several is the
    // first folder's.
    std::vector<std::filesystem::path> MaterialFolders;
    // Where the save dialogs open the first time.
    std::filesystem::path SaveStartFolder;
};

// Everything in one folder, as when the program is started from a folder holding its data.
FilePlaces PlacesInFolder(const std::filesystem::path& folder);

// The window program's places. Started from a folder holding Att_Coeff2020.dat, that folder is
// all. Otherwise, when the install prefix of the executable holds the data (<prefix>/bin/x
// reads <prefix>/share/tubeline), the program reads it there and writes to the user's data
// folder, whose material files come before the installed ones, and saves into the documents
// folder. Without data in either place the working folder stays, so that the missing table is
// reported there. $TUBELINE_DATA is not read: the window keeps one folder for all it reads.
FilePlaces DecideFilePlaces(const PlaceSources& sources);

// Where the programs without windows (tubeline-calc, the Python module) read Att_Coeff2020.dat
// when no folder is named: $TUBELINE_DATA when it is set, whether or not it holds the table (a
// missing table is then reported there); else the working folder when it holds the table, else
// the first of the installed folders that does, else the working folder.
std::filesystem::path DecideDataFolder(const PlaceSources& sources,
                                       const std::vector<std::filesystem::path>& installed);
// The same for a program in <prefix>/bin: tubeline-calc.
std::filesystem::path DecideDataFolder(const PlaceSources& sources);

// Where the Python module's data may be installed, for its package folder: data/ inside it (pip,
// and the build tree's package), then <prefix>/share/tubeline for
// <prefix>/lib/python3.X/{dist,site}-packages/tubeline (cmake --install, the Debian package).
std::vector<std::filesystem::path> ModuleDataFolders(const std::filesystem::path& packageFolder);

// The folders whose material files are offered beside a data folder, as the window offers them:
// the data folder alone when it is the working folder, else the user's data folder first, then
// the data folder.
std::vector<std::filesystem::path> MaterialFoldersFor(const PlaceSources& sources,
                                                      const std::filesystem::path& dataFolder);

// The working folder when it holds Att_Coeff2020.dat, else the installed data folder when that
// does, else the working folder, where the missing table is then reported.
std::filesystem::path ChooseDataFolder(const std::filesystem::path& workingFolder,
                                       const std::filesystem::path& installed);

// <prefix>/share/tubeline for <prefix>/bin/program.
std::filesystem::path InstalledDataFolder(const std::filesystem::path& executable);

// The program's folder in the user's data folder: $XDG_DATA_HOME/tubeline, or
// ~/.local/share/tubeline.
std::filesystem::path UserDataFolder(const PlaceSources& sources);

}  // namespace tubeline
