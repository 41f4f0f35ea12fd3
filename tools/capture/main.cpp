// afterglow-capture: renders the intro offscreen at chosen clock values, to a PNG still or to an
// H.264 video with its soundtrack, at a fixed frame rate whatever the machine's speed.
#include "app/ProgramStart.h"
#include "tools/capture/Capture.h"

#include <cstdio>
#include <optional>

using namespace afterglow;

namespace {
int run(const std::string& program, const std::vector<std::string>& args) {
    CaptureOptions options;
    std::string error;
    if (!parseCaptureOptions(args, options, error)) {
        return refuseOptions(program, error, captureUsage(program));
    }
    if (options.help || options.version) {
        return answer(program,
                      options.help ? captureUsage(program) : program + " " INTRO_VERSION "\n");
    }
    DataFolder data;
    Show show;
    if (const std::optional<int> failed =
            chooseShowAndData(program, options.data, options.timeline, true, data, show)) {
        return *failed;
    }
    if (!options.toGiven) {
        options.to = show.end();
    }
    if (!options.still && !checkVideoSpan(options, error)) {
        return refuseOptions(
            program, error + " (the timeline ends at " + std::to_string(show.end()) + " ms)",
            captureUsage(program));
    }
    return options.still ? captureStill(program, options, show, data)
                         : captureVideo(program, options, show, data);
}
} // namespace

int main(int argc, char** argv) {
    return runProgram(argc, argv, "afterglow-capture", run);
}
