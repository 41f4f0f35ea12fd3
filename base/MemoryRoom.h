/// @file
/// MemoryRoom: how much more memory this process can take before the machine or its own limit
/// runs short. Large images are refused while there is still room for the GL driver's own work:
/// a driver that runs out mid-draw ends the process, where a refused image only draws white.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

/// What a large image must leave free: the driver's own needs for drawing. Measured with 100
/// full-HD images under address-space limits from 650 MB to 2.1 GB: 64 MiB kept every run whole
/// (below about 700 MB the driver fails with no image loaded at all), and larger reserves refused
/// images that runs have room for.
constexpr uint64_t kMemoryReserve = uint64_t{64} << 20;
/// Smaller allocations are checked together, once they add up to this many bytes.
constexpr uint64_t kCheckedAllocation = uint64_t{1} << 20;

/// Bytes the kernel counts as available without swapping, from the text of /proc/meminfo; none
/// when the text does not say.
std::optional<uint64_t> availableMemory(const std::string& meminfo);

/// What a memory cgroup leaves, from the text of its limit and usage files: the limit less the
/// usage; none for no limit ("max") or text that is not a number.
std::optional<uint64_t> cgroupRoom(const std::string& limit, const std::string& usage);

/// The limit and usage files of every memory cgroup that holds this process, from the text of
/// /proc/self/cgroup: its own group and each one above it, under cgroup2 (memory.max,
/// memory.current) and under the first version's memory controller (memory.limit_in_bytes,
/// memory.usage_in_bytes). A container may not show the group named; its parents then count.
std::vector<std::pair<std::string, std::string>> cgroupMemoryFiles(const std::string& cgroups);

/// The room left now: the least of the machine's available memory, what this process's
/// address-space limit leaves and what its memory cgroups leave; none when none is known.
std::optional<uint64_t> memoryRoom();

/// Whether bytes more can be taken from room and leave the reserve; always where the room is not
/// known.
bool roomFor(uint64_t bytes, const std::optional<uint64_t>& room);

/// Memory the program takes once its pictures are in (a video's frame buffers and encoder, which
/// count against the same limits): set before they load, large images leave it free as well.
void keepMemoryFree(uint64_t bytes);

/// Whether bytes more can be taken now, leaving what keepMemoryFree() asked. The room is read for
/// an allocation of kCheckedAllocation or more, and for a small one once the small ones since the
/// last reading add up to as much.
bool roomLeftFor(uint64_t bytes);
