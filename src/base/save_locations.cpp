#include "save_locations.h"

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "user_folders.h"

namespace tubeline {
namespace fs = std::filesystem;
namespace {

// Kernel and virtual file systems that hold no files of the operator's.
const std::set<std::string> kVirtualFileSystems = {
    "proc",      "sysfs",       "cgroup", "cgroup2",    "devpts",   "mqueue",   "debugfs",
    "tracefs",   "securityfs",  "pstore", "bpf",        "autofs",   "fusectl",  "configfs",
    "hugetlbfs", "binfmt_misc", "nsfs",   "rpc_pipefs", "efivarfs", "devtmpfs", "ramfs"};

// Mount table fields escape blanks and the like as \ooo.
std::string UnescapeMountField(const std::string& field) {
    std::string text;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const std::string octal = field.substr(i + 1, 3);
            if (std::all_of(octal.begin(), octal.end(),
                            [](char c) { return c >= '0' && c <= '7'; })) {
                text.push_back(static_cast<char>(std::stoi(octal, nullptr, 8)));
                i += 3;
                continue;
            }
        }
        text.push_back(field[i]);
    }
    return text;
}

// Where the system keeps its own mounts: kernel interfaces, devices, run-time state.
bool IsSystemFolder(const fs::path& point) {
    for (const fs::path system : {"/proc", "/sys", "/dev", "/run"}) {
        const auto [end, unused] =
            std::mismatch(system.begin(), system.end(), point.begin(), point.end());
        if (end == system.end()) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::vector<fs::path> SaveLocations() {
    std::vector<fs::path> places{"/"};
    std::error_code error;
    if (const std::string home = EnvironmentVariable("HOME");
        !home.empty() && fs::is_directory(home, error) && fs::path(home) != "/") {
        places.push_back(fs::path(home).lexically_normal());
    }
    const std::size_t firstMount = places.size();
    std::ifstream mounts("/proc/self/mounts");
    std::string line;
    while (std::getline(mounts, line)) {
        std::istringstream fields(line);
        std::string device, mountPoint, type;
        fields >> device >> mountPoint >> type;
        const fs::path point = UnescapeMountField(mountPoint);
        if (kVirtualFileSystems.count(type) == 0 && !IsSystemFolder(point) &&
            fs::is_directory(point, error) &&
            std::find(places.begin(), places.end(), point) == places.end()) {
            places.push_back(point);
        }
    }
    std::sort(places.begin() + static_cast<std::ptrdiff_t>(firstMount), places.end());
    return places;
}

}  // namespace tubeline
