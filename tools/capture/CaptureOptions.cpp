#include "tools/capture/CaptureOptions.h"

#include "base/CommandLine.h"
#include "rules/ExitCodes.h"

#include <map>
#include <set>

using namespace afterglow;

std::string captureUsage(const std::string& program) {
    const std::string indent(program.size(), ' ');
    return "usage: " + program + " --at MS [--size WxH] [--data DIR] [--timeline FILE]\n" +
           "       " + indent + " --output FILE.png\n" + "       " + program +
           " [--from MS] [--to MS] [--fps N] [--size WxH] [--every-frame]\n" + "       " + indent +
           " [--variable-rate] [--data DIR] [--timeline FILE] --output FILE.mp4\n" + "       " +
           program + " --help | --version\n" +
           "It reads DIR, else data/ in the working directory, else the data beside the program,\n"
           "else the installed data; or plays the timeline in FILE with its images and music, its\n"
           "text in the fonts of the data.\n"
           "Defaults: --size 1920x1080, --fps 60, --from 0, --to 160000 (a timeline's end); a\n"
           "video spans at most 24 hours.\n"
           "--variable-rate: each picture encoded once and held by its timestamp (smaller, and\n"
           "faster at 1080p and above; for players that take a variable frame rate).\n"
           "--every-frame: every frame drawn and sent as the intro draws it (slower; a check on\n"
           "the frames drawn once and repeated).\n" +
           exitCodesText(ExitCodeProgram::Capture);
}

namespace {
bool endsWith(const std::string& text, const std::string& end) {
    return text.size() > end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}
} // namespace

bool parseCaptureOptions(const std::vector<std::string>& args, CaptureOptions& options,
                         std::string& error) {
    static const std::vector<OptionSpec> table = {
        {"--at", OptionValue::Required},        {"--from", OptionValue::Required},
        {"--to", OptionValue::Required},        {"--fps", OptionValue::Required},
        {"--size", OptionValue::Required},      {"--every-frame", OptionValue::None},
        {"--variable-rate", OptionValue::None}, {"--data", OptionValue::Required},
        {"--timeline", OptionValue::Required},  {"--output", OptionValue::Required},
        {"--version", OptionValue::None}};
    CommandLine line;
    if (!readCommandLine(args, table, 0, line, error)) {
        return false;
    }
    options.help = line.help;
    if (options.help) {
        return true;
    }
    std::set<std::string> given;
    for (const GivenOption& option : line.options) {
        const std::string& name = option.name;
        given.insert(name);
        static const std::map<std::string, bool CaptureOptions::*> flags = {
            {"--every-frame", &CaptureOptions::everyFrame},
            {"--variable-rate", &CaptureOptions::variableRate},
            {"--version", &CaptureOptions::version}};
        if (const auto flag = flags.find(name); flag != flags.end()) {
            options.*(flag->second) = true;
            continue;
        }
        const std::string& value = *option.value;
        uint64_t number = 0;
        if (name == "--output") {
            options.output = value;
        } else if (name == "--data" || name == "--timeline") {
            if (value.empty()) {
                error =
                    name + (name == "--data" ? " takes a folder, not ''" : " takes a file, not ''");
                return false;
            }
            (name == "--data" ? options.data : options.timeline) = value;
        } else if (name == "--size") {
            if (!parseSize(value, 2, 8192, options.width, options.height)) {
                error = "--size takes WIDTHxHEIGHT, each from 2 to 8192, not '" + value + "'";
                return false;
            }
        } else if (name == "--fps") {
            if (!parseWholeNumber(value, 1, 240, number)) {
                error = "--fps takes a whole number from 1 to 240, not '" + value + "'";
                return false;
            }
            options.fps = static_cast<int>(number);
        } else {
            if (!parseWholeNumber(value, 0, UINT32_MAX, number)) {
                error = name + " takes milliseconds, a whole number from 0 to 4294967295, not '" +
                        value + "'";
                return false;
            }
            (name == "--at"     ? options.at
             : name == "--from" ? options.from
                                : options.to) = static_cast<uint32_t>(number);
        }
    }
    if (options.version) {
        return true; // the options given were read without a mistake; nothing else is needed
    }
    options.toGiven = given.count("--to") > 0;
    if (options.output.empty()) {
        error = given.count("--output") > 0 ? "--output takes a file name, not ''"
                                            : "--output is required";
        return false;
    }
    options.still = endsWith(options.output, ".png");
    if (!options.still && !endsWith(options.output, ".mp4")) {
        error = "--output must name a .png (a still) or a .mp4 (a video) file";
        return false;
    }
    if (options.still && (given.count("--at") == 0 ||
                          given.count("--from") + given.count("--to") + given.count("--fps") > 0)) {
        error = "a still takes --at (and no --from, --to or --fps)";
        return false;
    }
    if (options.still && (options.everyFrame || options.variableRate)) {
        error = "a still takes --at (and no --from, --to, --fps, --every-frame or --variable-rate)";
        return false;
    }
    if (!options.still && given.count("--at") > 0) {
        error = "a video takes --from and --to, not --at";
        return false;
    }
    if (!options.still && (options.width % 2 != 0 || options.height % 2 != 0)) {
        error = "a video's --size must be even in both directions";
        return false;
    }
    // A timeline file's end, the default --to, is known once the file is read.
    return options.still || (!options.toGiven && !options.timeline.empty()) ||
           checkVideoSpan(options, error);
}

bool checkVideoSpan(const CaptureOptions& options, std::string& error) {
    if (options.to <= options.from) {
        error = "--to must come after --from";
        return false;
    }
    if (options.to - options.from > kLongestVideoMs) {
        error = "a video spans at most 24 hours: --to may lie at most " +
                std::to_string(kLongestVideoMs) + " ms after --from";
        return false;
    }
    return true;
}

uint32_t frameTime(const CaptureOptions& options, uint64_t n) {
    return static_cast<uint32_t>(options.from + n * 1000 / static_cast<uint64_t>(options.fps));
}

uint64_t frameCount(const CaptureOptions& options) {
    // The first n whose time reaches "to": n >= (to - from) * fps / 1000, rounded up.
    const uint64_t span = uint64_t{options.to} - options.from;
    return (span * static_cast<uint64_t>(options.fps) + 999) / 1000;
}
