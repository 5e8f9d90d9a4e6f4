#pragma once

#include <filesystem>
#include <string>

#include "model/calculation_state.h"

namespace tubeline::testing {

// The shipped data folder of the source tree.
std::filesystem::path DataFolder();

// The shipped attenuation table, loaded once.
const AttenuationTable& ShippedAttenuation();

// A fresh empty folder for one test, removed with the object.
class ScratchFolder {
  public:
    ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder();
    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

std::string ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::string& bytes);

}  // namespace tubeline::testing
