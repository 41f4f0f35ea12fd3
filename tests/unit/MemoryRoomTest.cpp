#include "base/MemoryRoom.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/resource.h>
#include <unistd.h>

namespace {

TEST(MemoryRoom, ReadsTheAvailableMemoryAndKeepsTheReserveFree) {
    const std::vector<std::pair<std::string, std::optional<uint64_t>>> meminfo = {
        {"MemTotal:       24000000 kB\nMemFree:  100 kB\nMemAvailable:    2000 kB\n", 2048000},
        {"MemTotal:       24000000 kB\nMemFree:  100 kB\n", std::nullopt}, // an old kernel
        {"MemAvailable: 2000 MB\n", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [text, bytes] : meminfo) {
        EXPECT_EQ(availableMemory(text), bytes) << text;
    }
    const uint64_t image = kCheckedAllocation;
    const std::vector<std::tuple<uint64_t, std::optional<uint64_t>, bool>> fits = {
        {image, image + kMemoryReserve, true},
        {image, image + kMemoryReserve - 1, false},
        {image, std::nullopt, true},
    };
    for (const auto& [bytes, room, fit] : fits) {
        EXPECT_EQ(roomFor(bytes, room), fit) << bytes << " in " << room.value_or(0);
    }
}

// A container's or a service's memory limit is read from its cgroup, at every level above it, under
// either version of cgroups.
TEST(MemoryRoom, ReadsTheRoomThatEachMemoryCgroupAboveTheProcessLeaves) {
    const std::vector<std::tuple<std::string, std::string, std::optional<uint64_t>>> rooms = {
        {"1000\n", "400\n", 600},
        {"100", "200", 0},
        {"max\n", "400\n", std::nullopt},
        {"", "400", std::nullopt},
        {"9223372036854771712", "0", 9223372036854771712u},
    };
    for (const auto& [limit, usage, room] : rooms) {
        EXPECT_EQ(cgroupRoom(limit, usage), room) << limit << " " << usage;
    }
    const std::string v1 = "/sys/fs/cgroup/memory", v2 = "/sys/fs/cgroup";
    using Files = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(cgroupMemoryFiles("0::/a/b\n"),
              (Files{{v2 + "/a/b/memory.max", v2 + "/a/b/memory.current"},
                     {v2 + "/a/memory.max", v2 + "/a/memory.current"},
                     {v2 + "/memory.max", v2 + "/memory.current"}}));
    EXPECT_EQ(cgroupMemoryFiles("9:name=systemd:/\n4:cpu,memory:/box\n1:cpu:/x\n"),
              (Files{{v1 + "/box/memory.limit_in_bytes", v1 + "/box/memory.usage_in_bytes"},
                     {v1 + "/memory.limit_in_bytes", v1 + "/memory.usage_in_bytes"}}));
    EXPECT_EQ(cgroupMemoryFiles("garbage\n1:cpu\n"), Files{});
}

// Under an address-space limit, the room is at most what the limit leaves; only allocations too
// small to matter still fit, until they add up.
TEST(MemoryRoom, AnAddressSpaceLimitBoundsTheRoom) {
    ASSERT_TRUE(memoryRoom().has_value()) << "no MemAvailable in /proc/meminfo";
    uint64_t pages = 0;
    ASSERT_TRUE(std::ifstream("/proc/self/statm") >> pages);
    const uint64_t left = uint64_t{64} << 20;
    struct rlimit before, tight;
    ASSERT_EQ(getrlimit(RLIMIT_AS, &before), 0);
    tight = before;
    tight.rlim_cur = pages * static_cast<uint64_t>(sysconf(_SC_PAGESIZE)) + left;
    ASSERT_EQ(setrlimit(RLIMIT_AS, &tight), 0);
    const std::optional<uint64_t> limited = memoryRoom();
    // A small allocation fits unread; the next, which brings the small ones to the threshold, is
    // checked as a large one is.
    const bool small = roomLeftFor(kCheckedAllocation - 1), adding = roomLeftFor(1),
               large = roomLeftFor(kCheckedAllocation);
    ASSERT_EQ(setrlimit(RLIMIT_AS, &before), 0);
    ASSERT_TRUE(limited.has_value());
    EXPECT_LE(*limited, left);
    EXPECT_TRUE(small && !adding && !large);
}

// Memory kept free for what comes after the pictures counts as taken already.
TEST(MemoryRoom, MemoryKeptFreeCountsAsTaken) {
    const std::optional<uint64_t> room = memoryRoom();
    ASSERT_TRUE(room.has_value());
    keepMemoryFree(*room);
    const bool kept = roomLeftFor(kCheckedAllocation);
    keepMemoryFree(0);
    EXPECT_FALSE(kept);
    EXPECT_TRUE(roomLeftFor(kCheckedAllocation));
}

} // namespace
