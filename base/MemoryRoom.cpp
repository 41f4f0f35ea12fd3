#include "base/MemoryRoom.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <iterator>
#include <sstream>
#include <sys/resource.h>
#include <unistd.h>

std::optional<uint64_t> availableMemory(const std::string& meminfo) {
    std::istringstream lines(meminfo);
    std::string key, unit;
    uint64_t kilobytes = 0;
    while (lines >> key >> kilobytes >> unit) {
        if (key == "MemAvailable:" && unit == "kB") {
            return kilobytes * 1024;
        }
    }
    return std::nullopt;
}

std::optional<uint64_t> cgroupRoom(const std::string& limit, const std::string& usage) {
    uint64_t most = 0, used = 0;
    if (!(std::istringstream(limit) >> most) || !(std::istringstream(usage) >> used)) {
        return std::nullopt;
    }
    return most > used ? most - used : 0;
}

std::vector<std::pair<std::string, std::string>> cgroupMemoryFiles(const std::string& cgroups) {
    std::vector<std::pair<std::string, std::string>> files;
    std::istringstream lines(cgroups);
    for (std::string line; std::getline(lines, line);) {
        // hierarchy:controllers:path
        const size_t first = line.find(':'), second = line.find(':', first + 1);
        if (first == std::string::npos || second == std::string::npos) {
            continue;
        }
        const std::string controllers = "," + line.substr(first + 1, second - first - 1) + ",";
        const bool unified = line.compare(0, first, "0") == 0 && controllers == ",,";
        if (!unified && controllers.find(",memory,") == std::string::npos) {
            continue;
        }
        const std::string base = unified ? "/sys/fs/cgroup" : "/sys/fs/cgroup/memory";
        std::string path = line.substr(second + 1);
        for (;;) {
            const std::string folder = base + (path == "/" ? "" : path) + "/";
            files.emplace_back(folder + (unified ? "memory.max" : "memory.limit_in_bytes"),
                               folder + (unified ? "memory.current" : "memory.usage_in_bytes"));
            if (path.size() <= 1) {
                break;
            }
            path = path.substr(0, std::max<size_t>(path.rfind('/'), 1));
        }
    }
    return files;
}

namespace {
std::string fileText(const std::string& path) {
    std::ifstream file(path);
    return std::string(std::istreambuf_iterator<char>(file), {});
}
} // namespace

std::optional<uint64_t> memoryRoom() {
    std::ifstream meminfo("/proc/meminfo");
    std::optional<uint64_t> room =
        availableMemory(std::string(std::istreambuf_iterator<char>(meminfo), {}));
    struct rlimit limit;
    uint64_t pages = 0;
    if (getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
        std::ifstream("/proc/self/statm") >> pages) {
        const uint64_t used = pages * static_cast<uint64_t>(sysconf(_SC_PAGESIZE));
        const uint64_t left = limit.rlim_cur > used ? limit.rlim_cur - used : 0;
        room = std::min(room.value_or(left), left);
    }
    for (const auto& [limit, usage] : cgroupMemoryFiles(fileText("/proc/self/cgroup"))) {
        if (const std::optional<uint64_t> left = cgroupRoom(fileText(limit), fileText(usage))) {
            room = std::min(room.value_or(*left), *left);
        }
    }
    return room;
}

bool roomFor(uint64_t bytes, const std::optional<uint64_t>& room) {
    return !room || bytes + kMemoryReserve <= *room;
}

namespace {
std::atomic<uint64_t> keptFree{0};
}

void keepMemoryFree(uint64_t bytes) {
    keptFree = bytes;
}

bool roomLeftFor(uint64_t bytes) {
    // Small allocations are checked together: a thousand images just under the threshold hold as
    // much as a few large ones. The room is read once they add up to the threshold.
    static std::atomic<uint64_t> unchecked{0};
    if (unchecked.fetch_add(bytes) + bytes < kCheckedAllocation) {
        return true;
    }
    unchecked = 0;
    return roomFor(bytes + keptFree, memoryRoom());
}
