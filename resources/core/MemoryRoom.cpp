#include "resources/core/MemoryRoom.h"

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
    return room;
}

bool roomFor(uint64_t bytes, const std::optional<uint64_t>& room) {
    return !room || bytes + kMemoryReserve <= *room;
}

bool roomLeftFor(uint64_t bytes) {
    // Small allocations are checked together: a thousand images just under the threshold hold as
    // much as a few large ones. The room is read once they add up to the threshold.
    static std::atomic<uint64_t> unchecked{0};
    if (unchecked.fetch_add(bytes) + bytes < kCheckedAllocation) {
        return true;
    }
    unchecked = 0;
    return roomFor(bytes, memoryRoom());
}
