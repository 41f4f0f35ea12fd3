// Capture: plays the intro offscreen at chosen clock values, with the intro's own start-up (the
// image list into the texture library) and its own frame step, and writes the frames out.
#pragma once

#include "tools/capture/CaptureOptions.h"

#include <cstdint>
#include <vector>

// The clock values of one frame in each scene that starts before until, so that the GL state
// those scenes leave behind (the scroller's blending above all) is in place for a frame at until.
std::vector<uint32_t> warmUpTimes(uint32_t until);

// Each returns the process's exit code, after printing any failure as one line on stderr.
int captureStill(const CaptureOptions& options);
int captureVideo(const CaptureOptions& options);
