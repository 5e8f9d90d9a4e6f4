#pragma once

#include <filesystem>
#include <vector>

namespace tubeline {

// The places that play the part of drives in a save dialog: "/" first, the home folder, then
// the mounted file systems a person saves to (from /proc/self/mounts), without kernel, virtual
// and system ones (/proc, /sys, /dev, /run and what lies under them).
std::vector<std::filesystem::path> SaveLocations();

}  // namespace tubeline
