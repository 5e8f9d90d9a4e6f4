#pragma once

#include <sys/types.h>

#include <ctime>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <variant>

#include "model/calculation_state.h"
#include "model/material_file_reader.h"
#include "scripted_run.h"

namespace tubeline {

// What tells a file's contents from those it had before without reading it: the file (device and
// inode), its size and the times its contents and its entry last changed.
struct FileStamp {
    dev_t Device = 0;
    ino_t Inode = 0;
    off_t Size = 0;
    std::timespec Modified{};
    std::timespec Changed{};
    bool operator==(const FileStamp& other) const;
};

// Nothing when the file cannot be looked at.
std::optional<FileStamp> StampOf(const std::filesystem::path& file);

// The data files of a script's runs, each read once and kept while its stamp stays the same: a
// sweep reads the attenuation table of each data folder and each filter's material file once,
// and a file changed on disk is read again. Safe to use from several threads at once.
class KeptDataFiles {
  public:
    using Table = std::shared_ptr<const AttenuationTable>;

    // The attenuation table of the data folder, or why it cannot be used (which is not kept).
    std::variant<Table, ScriptedFileProblem> Attenuation(const std::filesystem::path& dataFolder);

    // The material file as LoadMaterialFile reads it, throwing as it does; a MaterialReader.
    MaterialFile Material(const std::filesystem::path& file);

  private:
    template <class Value>
    struct Kept {
        FileStamp Stamp;
        Value Contents;
    };

    std::mutex mutex_;
    std::map<std::filesystem::path, Kept<Table>> tables_;
    std::map<std::filesystem::path, Kept<MaterialFile>> materials_;
};

// The files this process keeps. Shared, so that a batch still running while the process ends
// keeps them as long as it needs them.
std::shared_ptr<KeptDataFiles> ProcessDataFiles();

// RunScripted and MatchScripted with the attenuation table and the material files kept.
ScriptedOutcome<ScriptedRun> RunScripted(const ScriptedRequest& request, KeptDataFiles& files);
ScriptedOutcome<ScriptedMatch> MatchScripted(const ScriptedRequest& request, double targetMmAl,
                                             const VariedFilter& varied, KeptDataFiles& files);

}  // namespace tubeline
