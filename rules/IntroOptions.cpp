#include "rules/IntroOptions.h"

#include "base/CommandLine.h"
#include "rules/ExitCodes.h"
#include "rules/SceneTimeline.h"

#include <optional>

using namespace afterglow;

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
           "Keys: Escape quits, Enter skips a scene, Space prints the clock.\n" +
           exitCodesText(ExitCodeProgram::Intro);
}

std::string startRangeError(uint32_t latest, const std::string& text) {
    return "--start takes milliseconds, a whole number from 0 to " + std::to_string(latest) +
           ", not '" + text + "'";
}

bool parseIntroOptions(const std::vector<std::string>& args, IntroOptions& options,
                       std::string& error) {
    static const std::vector<OptionSpec> table = {
        {"--window", OptionValue::Optional}, {"--start", OptionValue::Required},
        {"--data", OptionValue::Required},   {"--timeline", OptionValue::Required},
        {"--dev", OptionValue::None},        {"--version", OptionValue::None}};
    CommandLine line;
    if (!readCommandLine(args, table, 0, line, error)) {
        return false;
    }
    options.help = line.help;
    // --start is checked once the timeline is known: a timeline file may run longer.
    std::optional<std::string> startText;
    for (const GivenOption& option : line.options) {
        const std::string value = option.value.value_or("");
        if (option.name == "--window") {
            options.window = true;
            if (option.value && !parseSize(value, 1, 16384, options.width, options.height)) {
                error = "--window takes WIDTHxHEIGHT, each from 1 to 16384, not '" + value + "'";
                return false;
            }
        } else if (option.name == "--start") {
            startText = value;
        } else if (option.name == "--data" || option.name == "--timeline") {
            if (value.empty()) {
                error = option.name +
                        (option.name == "--data" ? " takes a folder" : " takes a file") +
                        ", not ''";
                return false;
            }
            (option.name == "--data" ? options.data : options.timeline) = value;
        } else {
            (option.name == "--dev" ? options.dev : options.version) = true;
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
