// StopSignals: SIGINT, SIGTERM and SIGHUP end a capture gracefully: the capture stops at the next
// frame and finishes what it has, and ffmpeg's unbounded waits end too, through a pipe that the
// handler makes readable.
#pragma once

#include <chrono>

// How long ffmpeg is given to finish once asked: whatever it does, we are gone within two.
constexpr std::chrono::milliseconds kStopGrace{500};

// Catches the three signals from now on. Returns the end of the pipe to watch, or -1 when there is
// none (errno says why).
int catchStopSignals();

// The signal caught, or 0.
int stopSignalSeen();
