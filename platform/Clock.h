/// @file
/// Clock: milliseconds since process start, read from a monotonic wall clock.
/// The timeline runs against this clock; clock() is not used because on Linux it counts CPU time.
#pragma once

#include <cstdint>

/// Milliseconds since the process started, truncated to unsigned 32 bits.
uint32_t clockMs();
