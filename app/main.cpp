// The intro: starts up in a fixed order, then plays the 13-scene timeline against the clock until
// it ends or Escape is pressed. With no arguments it plays as it always has; the options (see
// IntroOptions.h) let scene writers start anywhere, play in a window, read other data, and pause,
// seek and reload pictures while it runs.
#include "app/DevMode.h"
#include "app/Frame.h"
#include "app/ImageLoading.h"
#include "app/MusicStart.h"
#include "app/ProgramStart.h"
#include "app/ShaderLibrary.h"
#include "platform/Clock.h"
#include "platform/Display.h"
#include "resources/TextureLibrary.h"
#include "rules/DemoState.h"
#include "rules/ExitCodes.h"
#include "rules/IntroOptions.h"
#include "rules/Playback.h"
#include "rules/Show.h"
#include "text/FontSet.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <utility>

using namespace afterglow;

#ifndef INTRO_VERSION
#define INTRO_VERSION "unknown"
#endif

namespace {
// The frame loop. Intro time is the process clock unless a start time or a seek moved it, so a
// run from 0 keeps the clock the music started against, with or without --dev.
// The show is read afresh every frame: --dev may replace it.
void play(const Show& show, DemoState& state, Display& display, Music& music, MusicDrift& drift,
          DevMode* dev, uint32_t start) {
    Playback playback;
    if (start > 0) {
        seekPlayback(playback, start, clockMs());
        followTime(show, state, start);
        resetPicture(show, state, start);
    }
    while (!state.quit) {
        const uint64_t wall = clockMs();
        if (playbackPastLastTime(playback, wall)) {
            break;
        }
        const uint32_t now = playbackTime(playback, wall);
        const SceneDrawing drawing = planFrame(show, state, now);
        drawScene(state, drawing);
        const std::optional<uint32_t> message = display.removeMessage();
        if (dev != nullptr) {
            dev->afterDraw(state, playback, drawing, message, wall);
        }
        if (handleMessage(show, state, message)) {
            const Tempo* tempo = dev != nullptr ? show.tempo() : nullptr;
            std::printf("%s\n", clockLine(playbackTime(playback, wall), tempo).c_str());
            std::fflush(stdout);
        }
        keepMusicWithPicture(music, drift, playback, wall);
        display.present();
    }
}

int run(const std::string& program, const std::vector<std::string>& args) {
    IntroOptions options;
    std::string error;
    if (!parseIntroOptions(args, options, error)) {
        return refuseOptions(program, error, introUsage(program));
    }
    if (options.help || options.version) {
        return answer(program,
                      options.help ? introUsage(program) : program + " " INTRO_VERSION "\n");
    }
    DataFolder data;
    Show show;
    // Without data the built-in timeline still starts, as it always has: the soundtrack's
    // failure then says what is missing.
    if (const std::optional<int> failed =
            chooseShowAndData(program, options.data, options.timeline, false, data, show)) {
        return *failed;
    }
    if (options.start > show.end()) {
        return refuseOptions(program, startRangeError(show.end(), std::to_string(options.start)),
                             introUsage(program));
    }
    // Before anything loads: a file saved while the intro starts counts as changed.
    std::optional<DevWatch> watch;
    if (options.dev) {
        watch.emplace(show, options.timeline);
    }
    Music music;
    MusicDrift drift;
    const MusicError musicError = startMusic(music, drift, show, options.start);
    if (musicError != MusicError::None) {
        std::printf("Error: %s\n", errorText(musicError));
        std::fflush(stdout);
        if (musicError == MusicError::FileNotFound || musicError == MusicError::UnknownFormat ||
            musicError == MusicError::LoadFailed) {
            std::fprintf(stderr, "%s: the soundtrack: %s\n", program.c_str(),
                         show.soundtrackPath().c_str());
            if (musicError == MusicError::FileNotFound && options.timeline.empty()) {
                std::fprintf(stderr, "%s: %s\n", program.c_str(), kDataHint);
            }
        }
        if (musicError == MusicError::InitFailed) {
            std::fprintf(stderr, "%s: to play without sound: SDL_AUDIODRIVER=dummy %s\n",
                         program.c_str(), program.c_str());
        }
        return kExitFailed;
    }
    // The images are read and decoded while the window opens.
    ImagePreload preload(show);
    Display display;
    std::string reason;
    const DisplayError displayError =
        display.open({options.window, options.width, options.height}, reason);
    if (displayError != DisplayError::None) {
        // The first line is the one a run without a display has always printed; why SDL found
        // none goes to standard error.
        std::printf("Error: %s\n", errorText(displayError));
        std::fflush(stdout);
        std::fprintf(stderr, "%s: %s\n", program.c_str(), reason.c_str());
        return kExitFailed;
    }
    DemoState state;
    TextureLibrary textures;
    const CurrentTextureLibrary currentTextures(textures);
    // Escape or a close request while the pictures load ends the loading; the first frame then
    // quits.
    const std::vector<int> failed =
        loadImageList(show, state, textures, &preload, [&] { return !display.quitRequested(); });
    if (!failed.empty()) {
        std::fprintf(stderr, "%s: %s; they are drawn white\n", program.c_str(),
                     missingImages(show, failed).c_str());
    }
    // The fonts load after the images, which keep their slots; only a show that writes text, or
    // --dev's overlay, needs them.
    std::optional<FontSet> fonts;
    std::optional<CurrentFontSet> currentFonts;
    if (options.dev || show.writesText()) {
        currentFonts.emplace(fonts.emplace(textures, data));
    }
    // A shader that does not build is reported; its layers draw nothing (with --dev, until it is
    // saved again and builds).
    ShaderLibrary shaders;
    const CurrentShaderLibrary currentShaders(shaders);
    shaders.load(show.shaderPaths());
    std::unique_ptr<DevMode> dev;
    if (options.dev) {
        if (fonts->fontCount() == 0) {
            std::fprintf(stderr,
                         "%s: --dev's overlay has no font to print with: %s lists none or is "
                         "missing; --data DIR names a folder that holds one\n",
                         program.c_str(), data.path("data/fonts.data").c_str());
        }
        dev = std::make_unique<DevMode>(textures, *fonts, shaders, data, music, drift, show,
                                        options.timeline, std::move(*watch));
    }
    if (options.start > 0) {
        music.seek(options.start);
        drift.setTogether(0);
    }
    play(show, state, display, music, drift, dev.get(), options.start);
    return kExitDone;
}
} // namespace

int main(int argc, char** argv) {
    return runProgram(argc, argv, "afterglow", run);
}
