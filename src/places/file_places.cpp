#include "file_places.h"

#include "model/attenuation_table_file.h"

namespace tubeline {
namespace fs = std::filesystem;
namespace {

bool HoldsAttenuationTable(const fs::path& folder) {
    std::error_code error;
    return !folder.empty() && fs::exists(folder / kAttenuationTableFileName, error);
}

}  // namespace

PlaceSources ProcessPlaceSources() {
    PlaceSources sources;
    static_cast<UserFolders&>(sources) = ProcessUserFolders();
    std::error_code error;
    sources.WorkingFolder = fs::current_path(error);
    sources.Executable = RunningExecutable();
    sources.DataVariable = EnvironmentVariable(kDataFolderVariable);
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
    return DataHomeFolder(sources) / kProgramFolderName;
}

}  // namespace tubeline
