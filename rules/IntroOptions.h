// IntroOptions: the intro's command line. With none, it plays exactly as it always has.
//   intro [--window[=WxH]] [--start MS] [--data DIR] [--timeline FILE] [--dev] [--help]
//         [--version]
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct IntroOptions {
    bool window = false; // a decorated, resizable window instead of full screen
    int width = 1280;
    int height = 720;
    uint32_t start = 0;   // the clock value of the first frame
    std::string data;     // where the data files are; empty: "data" in the working directory
    std::string timeline; // a timeline file to play; empty: the built-in timeline
    bool dev = false;     // the scene writers' keys, live reload and the overlay
    bool help = false;
    bool version = false;
};

// The usage text, for the program started as program.
std::string introUsage(const std::string& program);

// Reads the arguments (without the program name). On a mistake returns false with a one-line
// reason in error.
// The mistake of a --start past latest, the end of the timeline played.
std::string startRangeError(uint32_t latest, const std::string& text);

bool parseIntroOptions(const std::vector<std::string>& args, IntroOptions& options,
                       std::string& error);
