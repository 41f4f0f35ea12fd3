#include "tools/capture/Session.h"

#include "rules/ExitCodes.h"

#include "app/Frame.h"
#include "app/ImageLoading.h"
#include "tools/capture/Capture.h"
#include "tools/capture/StopSignals.h"

#include <cstdio>

using namespace afterglow;

Session::Session(const CaptureOptions& options, const Show& show, const DataFolder& data,
                 uint32_t until)
    : context(options.width, options.height) {
    if (context.ok()) {
        // A stop ends the loading; the capture then says it was stopped.
        const std::vector<int> failed =
            loadImageList(show, state, textures, nullptr, [] { return stopSignalSeen() == 0; });
        if (!failed.empty()) {
            missing = missingImages(show, failed);
        }
        if (show.writesText()) {
            currentFonts.emplace(fonts.emplace(textures, data));
        }
        shadersBuilt = shaders.load(show.shaderPaths());
        resetPicture(show, state, until);
    }
}

int writtenWhole(const std::string& program, const Session& session, const char* what) {
    if (session.missing.empty()) {
        return kExitDone;
    }
    std::fprintf(stderr, "%s: %s; the %s shows them white\n", program.c_str(),
                 session.missing.c_str(), what);
    return kExitImagesMissing;
}

int failCapture(const std::string& program, const std::string& message) {
    std::fprintf(stderr, "%s: %s\n", program.c_str(), message.c_str());
    return kExitFailed;
}
