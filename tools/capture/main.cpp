// intro-capture: renders the intro offscreen at chosen clock values, to a PNG still or to an
// H.264 video with its soundtrack, at a fixed frame rate whatever the machine's speed.
#include "base/CommandLine.h"
#include "base/DataFolder.h"
#include "platform/ProgramFolder.h"
#include "platform/StandardStreams.h"
#include "rules/ImageList.h"
#include "tools/capture/Capture.h"

#include <csignal>
#include <cstdio>
#include <exception>

namespace {
int run(const std::string& program, const std::vector<std::string>& args) {
    CaptureOptions options;
    std::string error;
    if (!parseCaptureOptions(args, options, error)) {
        std::fprintf(stderr, "%s: %s\n%s", program.c_str(), error.c_str(),
                     captureUsage(program).c_str());
        return 2;
    }
    if (options.help || options.version) {
        const std::string text =
            options.help ? captureUsage(program) : program + " " INTRO_VERSION "\n";
        if (!printAll(text)) {
            std::fprintf(stderr, "%s: could not write to standard output\n", program.c_str());
            return 1;
        }
        return 0;
    }
    DataFolder data;
    std::vector<std::string> tried;
    // A timeline file brings its own images and music; the data folder then only lends its
    // fonts to text layers, which say so when there are none.
    if (!chooseDataFolder(options.data, {installedDataFolder()}, kSoundtrack, data, tried) &&
        options.timeline.empty()) {
        std::fprintf(stderr, "%s: no data folder found; tried %s\n", program.c_str(),
                     joinFolders(tried).c_str());
        return 1;
    }
    Show show;
    if (!chooseShow(options.timeline, data, show, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    if (!options.toGiven) {
        options.to = show.end();
    }
    if (!options.still && !checkVideoSpan(options, error)) {
        std::fprintf(stderr, "%s: %s (the timeline ends at %u ms)\n%s", program.c_str(),
                     error.c_str(), show.end(), captureUsage(program).c_str());
        return 2;
    }
    return options.still ? captureStill(program, options, show, data)
                         : captureVideo(program, options, show, data);
}
} // namespace

int main(int argc, char** argv) {
    keepStandardStreams();
    // A closed output pipe is a failed write to report, not a reason to die silently.
    std::signal(SIGPIPE, SIG_IGN);
    const std::string program = programName(argc > 0 ? argv[0] : nullptr, "intro-capture");
    // Out of memory or any other surprise ends the run with one line, never an abort.
    try {
        return run(program, std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", program.c_str(), e.what());
    } catch (...) {
        std::fprintf(stderr, "%s: unexpected failure\n", program.c_str());
    }
    return 1;
}
