#include "material_folders.h"

#include <algorithm>
#include <map>
#include <string>

namespace tubeline {
namespace fs = std::filesystem;
namespace {

bool IsMaterialFile(const fs::directory_entry& entry) {
    std::error_code error;
    const fs::path extension = entry.path().extension();
    return (extension == ".ele" || extension == ".mix") && entry.is_regular_file(error);
}

}  // namespace

std::vector<fs::path> ListMaterialFiles(const std::vector<fs::path>& folders) {
    std::map<std::string, fs::path> byName;
    for (const fs::path& folder : folders) {
        std::error_code error;
        for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
             entry.increment(error)) {
            if (IsMaterialFile(*entry)) {
                byName.try_emplace(entry->path().filename().string(), entry->path());
            }
        }
    }
    std::vector<fs::path> files;
    files.reserve(byName.size());
    for (auto& [name, path] : byName) {
        files.push_back(std::move(path));
    }
    return files;
}

std::optional<fs::path> FindMaterialFile(std::string_view name,
                                         const std::vector<fs::path>& folders) {
    const fs::path wanted(name);
    if (name.empty() || wanted.has_parent_path()) {
        return std::nullopt;
    }
    const std::vector<fs::path> files = ListMaterialFiles(folders);
    const auto found = std::find_if(files.begin(), files.end(), [&](const fs::path& file) {
        return file.filename() == wanted || file.stem() == wanted;
    });
    return found == files.end() ? std::nullopt : std::optional<fs::path>(*found);
}

}  // namespace tubeline
