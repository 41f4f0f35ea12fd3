// intro-capture: renders the intro offscreen at chosen clock values, to a PNG still or to an
// H.264 video with its soundtrack, at a fixed frame rate whatever the machine's speed.
#include "app/core/ImageList.h"
#include "platform/ProgramFolder.h"
#include "resources/core/DataFolder.h"
#include "tools/capture/Capture.h"

#include <cstdio>

int main(int argc, char** argv) {
    CaptureOptions options;
    std::string error;
    if (!parseCaptureOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
        std::fprintf(stderr, "intro-capture: %s\n%s", error.c_str(), kCaptureUsage);
        return 2;
    }
    if (options.help) {
        std::printf("%s", kCaptureUsage);
        return 0;
    }
    DataFolder data;
    std::vector<std::string> tried;
    if (!chooseDataFolder("", {installedDataFolder()}, kSoundtrack, data, tried)) {
        std::fprintf(stderr, "intro-capture: no data folder found; tried %s\n",
                     joinFolders(tried).c_str());
        return 1;
    }
    return options.still ? captureStill(options, data) : captureVideo(options, data);
}
