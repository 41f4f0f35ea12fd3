// CaptureOptions: the capture tool's command line.
//   afterglow-capture --at MS [--size WxH] [--data DIR | --timeline FILE] --output FILE.png
//   afterglow-capture [--from MS] [--to MS] [--fps N] [--size WxH] [--every-frame]
//   [--variable-rate]
//                 [--data DIR | --timeline FILE] --output FILE.mp4
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct CaptureOptions {
    bool still = false;        // a PNG at one time, rather than a video
    bool everyFrame = false;   // draw and send every frame, as a check on the repeated ones
    bool variableRate = false; // encode each picture once, held by its timestamp
    bool help = false;
    bool version = false;
    uint32_t at = 0;
    uint32_t from = 0;
    uint32_t to = 160000; // the built-in timeline's end; a timeline file's when not given
    bool toGiven = false;
    int fps = 60;
    int width = 1920;
    int height = 1080;
    std::string output;
    std::string data;     // where the data files are; empty: data/, else the installed data
    std::string timeline; // a timeline file to play instead of the built-in timeline
};

// The usage text, naming the program as it was started.
std::string captureUsage(const std::string& program);

// The longest video span: a day of frames, far past the intro's length, so that a mistyped --to
// is an option mistake rather than hours of planning and gigabytes of frame plan.
constexpr uint32_t kLongestVideoMs = 24 * 60 * 60 * 1000;

// Reads the arguments (without the program name). On a mistake returns false with a one-line
// reason in error.
bool parseCaptureOptions(const std::vector<std::string>& args, CaptureOptions& options,
                         std::string& error);

// The span's own checks: --to after --from, at most a day apart.
bool checkVideoSpan(const CaptureOptions& options, std::string& error);

// The clock value of video frame n: from + floor(n * 1000 / fps).
uint32_t frameTime(const CaptureOptions& options, uint64_t n);
// The number of frames from "from" up to (not including) "to".
uint64_t frameCount(const CaptureOptions& options);
