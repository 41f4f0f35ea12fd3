// The intro: starts up in a fixed order, then plays the 13-scene timeline against the clock until
// it ends or Escape is pressed. With no arguments it plays as it always has; the options (see
// IntroOptions.h) let scene writers start anywhere, play in a window, read other data, and pause,
// seek and reload pictures while it runs.
#include "app/DevMode.h"
#include "app/Frame.h"
#include "app/ImageLoading.h"
#include "app/MusicStart.h"
#include "app/core/DemoState.h"
#include "app/core/IntroOptions.h"
#include "app/core/Playback.h"
#include "platform/Clock.h"
#include "platform/Display.h"
#include "platform/ProgramFolder.h"
#include "resources/core/DataFolder.h"

#include <cstdio>
#include <optional>
#include <string>

#ifndef INTRO_VERSION
#define INTRO_VERSION "unknown"
#endif

namespace {
DemoState state;

// The frame loop of a run that starts elsewhere than at 0 or takes the scene writers' keys.
void playFrom(const IntroOptions& options) {
    Playback playback;
    seekPlayback(playback, options.start, clockMs());
    if (options.start > 0) {
        followMusic(DevRequest::Seek, playback, clockMs());
        followTime(state, options.start);
        resetPicture(state, options.start);
    }
    std::optional<ImageWatcher> watcher;
    if (options.dev) {
        watcher.emplace();
    }
    while (!state.quit) {
        const uint32_t wall = clockMs();
        const uint32_t now = playbackTime(playback, wall);
        const SceneDrawing drawing = planFrame(state, now);
        drawScene(state, drawing);
        const std::optional<uint32_t> message = removeMessage();
        if (options.dev) {
            const DevRequest request =
                message ? applyDevKey(playback, *message, wall) : DevRequest::None;
            followMusic(request, playback, wall);
            if (request == DevRequest::Seek) {
                followTime(state, playbackTime(playback, wall));
                resetPicture(state, playbackTime(playback, wall));
            }
            drawDevOverlay(drawing, state.scene, now, playback.paused);
            watcher->poll(state, wall);
        }
        handleMessage(state, message, now);
        presentDisplay();
    }
}
} // namespace

int main(int argc, char** argv) {
    IntroOptions options;
    std::string error;
    if (!parseIntroOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
        std::fprintf(stderr, "intro: %s\n%s", error.c_str(), kIntroUsage);
        return 2;
    }
    if (options.help || options.version) {
        std::printf("%s", options.help ? kIntroUsage : "intro " INTRO_VERSION "\n");
        return 0;
    }
    std::vector<std::string> tried;
    if (!chooseDataFolder(options.data, {installedDataFolder()}, tried)) {
        std::fprintf(stderr, "intro: no data folder found; tried %s\n", joinFolders(tried).c_str());
    }
    if (!startMusic(error)) {
        std::printf("%s\n", error.c_str());
        if (isNoSoundOutput(error)) {
            std::fprintf(stderr, "intro: to play without sound: SDL_AUDIODRIVER=dummy intro\n");
        }
        return 1;
    }
    if (!createDisplay({options.window, options.width, options.height}, error)) {
        std::printf("%s\n", error.c_str());
        return 1;
    }
    loadImageList(state);
    if (options.start > 0 || options.dev) {
        playFrom(options);
        return 0;
    }
    while (!state.quit) {
        frame(state, clockMs(), &removeMessage);
        presentDisplay();
    }
    return 0;
}
