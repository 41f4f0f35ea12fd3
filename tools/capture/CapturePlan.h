// CapturePlan: which frames of a video have to be drawn. A frame whose drawing is the one before
// it (same image, same scroller position, same blending left on by the scroller) has the same
// pixels, so only the first frame of each such run is drawn and sent to the encoder, which
// repeats it until the next; the last frame is always sent, so the video reaches its end.
// Worked out from the frame step's own plan, without GL.
#pragma once

#include "rules/SceneTimeline.h"
#include "rules/Show.h"
#include "tools/capture/CaptureOptions.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// What the frame draws is worked out again when it is drawn: a day of a fading scene's frames,
// each with its layers, would not fit in memory.
struct PlannedFrame {
    uint64_t number; // the video frame it starts
    uint32_t time;   // its clock value
};

// The frames to draw, in order. With everyFrame, every frame is drawn (the slow way, kept to
// check the fast one against).
// Planning a long span takes a while: it gives up, with the frames planned so far, as soon as
// stopRequested says so (asked every few thousand frames).
std::vector<PlannedFrame> planVideo(const Show& show, const CaptureOptions& options,
                                    bool everyFrame,
                                    const std::function<bool()>& stopRequested = {});

// An ffmpeg setpts expression that stamps the k-th frame sent (N) with the number of the video
// frame it starts, in frames of the video's rate; it nests as deep as the logarithm of the number
// of runs of frames that follow one another.
std::string frameNumberExpression(const std::vector<PlannedFrame>& frames);

// The video frames a file holds once ffmpeg encoded the first `encoded` frames sent: at a constant
// rate each encoded frame is one; at a variable rate each is a picture held from its frame number
// until the next, and the last one encoded holds one frame.
uint64_t framesHeld(const std::vector<PlannedFrame>& frames, uint64_t encoded, bool variableRate);

// The number of frames ffmpeg's final progress report ("-progress", key=value lines ending with
// "progress=end") says it wrote; false when the text ends with no final report, as when ffmpeg
// was killed before it closed the file.
bool encodedFrames(const std::string& progress, uint64_t& frames);
