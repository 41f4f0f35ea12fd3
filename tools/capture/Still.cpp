#include "app/Frame.h"
#include "rules/ExitCodes.h"
#include "rules/FramePlan.h"
#include "tools/capture/Capture.h"
#include "tools/capture/Session.h"
#include "tools/capture/StopSignals.h"
#include "tools/common/OutputFile.h"
#include "tools/common/PNGWriter.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

using namespace afterglow;

int captureStill(const std::string& program, const CaptureOptions& options, const Show& show,
                 const DataFolder& data) {
    // Caught before the output is opened, so that a stop never leaves its temporary file.
    if (catchStopSignals() < 0) {
        return failCapture(program,
                           std::string("cannot catch stop signals: ") + std::strerror(errno));
    }
    // Opened before any work, so that an output that cannot be written is found out first.
    OutputFile file(options.output);
    std::string reason;
    if (!file.open(reason)) {
        return failCapture(program, "cannot write " + options.output + ": " + reason);
    }
    Session session(options, show, data, options.at);
    if (!session.context.ok()) {
        return failCapture(program, "no offscreen GL context: " + session.context.error());
    }
    if (!session.shadersBuilt) {
        return failCapture(program, "a shader layer did not build (said above)");
    }
    drawScene(session.state, planFrame(show, session.state, options.at));
    // Asked again once the picture is written, the last moment before it replaces the file: a
    // large still takes seconds to read back and compress.
    const bool written = stopSignalSeen() == 0 && writePNG(file, options.width, options.height,
                                                           session.context.readPixels(), reason);
    if (stopSignalSeen() != 0) {
        std::fprintf(stderr, "%s: interrupted: %s was not written\n", program.c_str(),
                     options.output.c_str());
        return kExitSignalled + stopSignalSeen();
    }
    if (!written || !file.commit(reason)) {
        return failCapture(program, "cannot write " + options.output + ": " + reason);
    }
    std::fprintf(stderr, "%s: wrote %s (%d x %d, clock %u ms)\n", program.c_str(),
                 options.output.c_str(), options.width, options.height, options.at);
    return writtenWhole(program, session, "still");
}
