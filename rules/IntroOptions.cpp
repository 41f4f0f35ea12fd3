#include "rules/IntroOptions.h"

#include "rules/CommandLine.h"
#include "rules/SceneTimeline.h"

#include <optional>

std::string introUsage(const std::string& program) {
    return "usage: " + program +
           " [--window[=WxH]] [--start MS] [--data DIR] [--timeline FILE] [--dev] [--help]\n"
           "       [--version]\n"
           "  --window[=WxH]  play in a resizable window (default 1280x720) instead of full "
           "screen\n"
           "  --start MS      begin as if MS milliseconds had passed, music included\n"
           "  --data DIR      read the images, the music and the font table from DIR\n"
           "  --timeline FILE play the timeline in FILE (TOML) with its images and music\n"
           "  --dev           for scene writers: P pauses, Left/Right seek 5 s (Shift: 1 s), Home\n"
           "                  restarts, changed images and timeline reload, an overlay shows "
           "scene,\n"
           "                  image and clock\n"
           "Keys: Escape quits, Enter skips a scene, Space prints the clock.\n";
}

std::string startRangeError(uint32_t latest, const std::string& text) {
    return "--start takes milliseconds, a whole number from 0 to " + std::to_string(latest) +
           ", not '" + text + "'";
}

bool parseIntroOptions(const std::vector<std::string>& args, IntroOptions& options,
                       std::string& error) {
    // --start is checked once the timeline is known: a timeline file may run longer.
    std::optional<std::string> startText;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) {
                error = "option " + arg + " needs a value";
                return false;
            }
            out = args[++i];
            return true;
        };
        if (arg == "--window") {
            options.window = true;
        } else if (arg.rfind("--window=", 0) == 0) {
            const std::string size = arg.substr(9);
            if (!parseSize(size, 1, 16384, options.width, options.height)) {
                error = "--window takes WIDTHxHEIGHT, each from 1 to 16384, not '" + size + "'";
                return false;
            }
            options.window = true;
        } else if (arg == "--start") {
            if (!value(startText.emplace())) {
                return false;
            }
        } else if (arg == "--data" || arg == "--timeline") {
            std::string& path = arg == "--data" ? options.data : options.timeline;
            if (!value(path)) {
                return false;
            }
            if (path.empty()) {
                error = arg + (arg == "--data" ? " takes a folder" : " takes a file") + ", not ''";
                return false;
            }
        } else if (arg == "--dev") {
            options.dev = true;
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else {
            error = "unknown option '" + arg + "'";
            return false;
        }
    }
    if (startText) {
        const uint32_t latest =
            options.timeline.empty() ? SceneTimeline[kSceneCount - 1] : UINT32_MAX;
        uint64_t ms = 0;
        if (!parseWholeNumber(*startText, 0, latest, ms)) {
            error = startRangeError(latest, *startText);
            return false;
        }
        options.start = static_cast<uint32_t>(ms);
    }
    return true;
}
