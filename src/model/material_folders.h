#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace tubeline {

// The material files of the material folders (see MaterialFoldersFor), as the filter dialog
// offers them: every "*.ele" and "*.mix", sorted by file name; a name found in several folders
// is the first folder's. A folder that is missing or cannot be read offers nothing.
std::vector<std::filesystem::path> ListMaterialFiles(
    const std::vector<std::filesystem::path>& folders);

// A material of those folders named by its file name ("Air.mix") or its stem ("Pb", the first
// file name in order with that stem); nothing for a name with a folder part or not found.
std::optional<std::filesystem::path> FindMaterialFile(
    std::string_view name, const std::vector<std::filesystem::path>& folders);

}  // namespace tubeline
