// Capture: plays the intro offscreen at chosen clock values, with the intro's own start-up (the
// image list into the texture library) and its own frame step, and writes the frames out.
#pragma once

#include "rules/Show.h"
#include "tools/capture/CaptureOptions.h"

#include <cstdint>
#include <vector>

// Each returns the process's exit code (rules/ExitCodes.h), after printing any failure as one line
// on stderr, under the program's name. On a failure the output is as it was. A show that writes
// text prints with data's fonts.
int captureStill(const std::string& program, const CaptureOptions& options, const Show& show,
                 const afterglow::DataFolder& data);
int captureVideo(const std::string& program, const CaptureOptions& options, const Show& show,
                 const afterglow::DataFolder& data);
