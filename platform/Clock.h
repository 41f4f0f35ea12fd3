/// @file
/// Clock: milliseconds since process start, read from a monotonic wall clock.
/// The timeline runs against this clock; clock() is not used because on Linux it counts CPU time.
///
/// ```
/// const uint64_t start = afterglow::clockMs();
/// // ... a frame ...
/// const uint64_t elapsed = afterglow::clockMs() - start;
/// ```
#pragma once

#include <cstdint>

namespace afterglow {

/// Milliseconds since the process started. 64 bits: a 32-bit count would go round after 49.7
/// days, in the middle of a timeline that long.
uint64_t clockMs();

} // namespace afterglow
