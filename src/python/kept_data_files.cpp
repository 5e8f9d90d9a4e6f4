#include "kept_data_files.h"

#include <sys/stat.h>

#include "model/attenuation_table_file.h"

namespace tubeline {
namespace {

bool SameTime(const std::timespec& a, const std::timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

// The contents kept of the file when its stamp is still the one kept.
template <class Kept>
auto KeptIfUnchanged(const std::map<std::filesystem::path, Kept>& kept,
                     const std::filesystem::path& file, const std::optional<FileStamp>& stamp)
    -> std::optional<decltype(Kept::Contents)> {
    const auto found = kept.find(file);
    if (!stamp || found == kept.end() || !(found->second.Stamp == *stamp)) {
        return std::nullopt;
    }
    return found->second.Contents;
}

// Keeps contents read after the stamp was taken, so that a change while reading is read again
// next time; forgets the file when it could not be looked at.
template <class Kept>
void Keep(std::map<std::filesystem::path, Kept>& kept, const std::filesystem::path& file,
          const std::optional<FileStamp>& stamp, const decltype(Kept::Contents)& contents) {
    if (stamp) {
        kept.insert_or_assign(file, Kept{*stamp, contents});
    } else {
        kept.erase(file);
    }
}

}  // namespace

bool FileStamp::operator==(const FileStamp& other) const {
    return Device == other.Device && Inode == other.Inode && Size == other.Size &&
           SameTime(Modified, other.Modified) && SameTime(Changed, other.Changed);
}

std::optional<FileStamp> StampOf(const std::filesystem::path& file) {
    struct stat status {};
    if (stat(file.c_str(), &status) != 0) {
        return std::nullopt;
    }
    return FileStamp{status.st_dev, status.st_ino, status.st_size, status.st_mtim, status.st_ctim};
}

std::variant<KeptDataFiles::Table, ScriptedFileProblem> KeptDataFiles::Attenuation(
    const std::filesystem::path& dataFolder) {
    const std::filesystem::path file = dataFolder / kAttenuationTableFileName;
    const std::lock_guard lock(mutex_);
    const std::optional<FileStamp> stamp = StampOf(file);
    if (auto kept = KeptIfUnchanged(tables_, file, stamp)) {
        return *std::move(kept);
    }
    auto loaded = LoadScriptedAttenuation(dataFolder);
    if (auto* problem = std::get_if<ScriptedFileProblem>(&loaded)) {
        tables_.erase(file);
        return std::move(*problem);
    }
    const Table table =
        std::make_shared<const AttenuationTable>(std::get<AttenuationTable>(loaded));
    Keep(tables_, file, stamp, table);
    return table;
}

MaterialFile KeptDataFiles::Material(const std::filesystem::path& file) {
    const std::lock_guard lock(mutex_);
    const std::optional<FileStamp> stamp = StampOf(file);
    if (auto kept = KeptIfUnchanged(materials_, file, stamp)) {
        return *std::move(kept);
    }
    try {
        MaterialFile material = LoadMaterialFile(file);
        Keep(materials_, file, stamp, material);
        return material;
    } catch (const MaterialFileError&) {
        materials_.erase(file);
        throw;
    }
}

std::shared_ptr<KeptDataFiles> ProcessDataFiles() {
    static const std::shared_ptr<KeptDataFiles> files = std::make_shared<KeptDataFiles>();
    return files;
}

ScriptedOutcome<ScriptedRun> RunScripted(const ScriptedRequest& request, KeptDataFiles& files) {
    auto table = files.Attenuation(request.DataFolder);
    if (auto* problem = std::get_if<ScriptedFileProblem>(&table)) {
        return std::move(*problem);
    }
    return RunScripted(
        request, *std::get<KeptDataFiles::Table>(table),
        [&files](const std::filesystem::path& file) { return files.Material(file); });
}

ScriptedOutcome<ScriptedMatch> MatchScripted(const ScriptedRequest& request, double targetMmAl,
                                             const VariedFilter& varied, KeptDataFiles& files) {
    auto table = files.Attenuation(request.DataFolder);
    if (auto* problem = std::get_if<ScriptedFileProblem>(&table)) {
        return std::move(*problem);
    }
    return MatchScripted(
        request, targetMmAl, varied, *std::get<KeptDataFiles::Table>(table),
        [&files](const std::filesystem::path& file) { return files.Material(file); });
}

}  // namespace tubeline
