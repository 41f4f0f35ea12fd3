// How far the music heard drifts from the clock the picture follows, through the scene writers'
// pauses and seeks: fifty scripted keys at random moments, the music's own position read after
// each. A measurement of the sound output in use (set SDL_AUDIODRIVER to choose it), printed in
// ms; run it where data/ is: build/music_clock
#include "app/MusicStart.h"
#include "platform/Clock.h"
#include "platform/KeyCodes.h"
#include "platform/Music.h"
#include "rules/Playback.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>

using namespace afterglow;

int main() {
    Music music;
    MusicDrift drift;
    MusicError error = music.init();
    if (error == MusicError::None) {
        music.open("data/vorn.mp3");
        error = music.waitOpened();
    }
    if (error != MusicError::None) {
        std::fprintf(stderr, "music_clock: %s\n", errorText(error));
        return 1;
    }
    Playback playback;
    seekPlayback(playback, 0, clockMs());
    music.play();
    std::mt19937 random(7);
    const uint32_t keys[] = {kKeyP, kKeyLeft, kKeyRight, kKeyRight | kKeyShift, kKeyHome};
    double worst = 0, total = 0;
    constexpr int kSteps = 50;
    for (int i = 0; i < kSteps; ++i) {
        const uint64_t wall = clockMs();
        followDevRequest(music, drift,
                         applyDevKey(playback, keys[random() % 5], wall, Show().end()), playback,
                         wall);
        SDL_Delay(static_cast<Uint32>(60 + random() % 120)); // a moment for the music to move
        const double difference = std::abs(music.positionMs() - playbackTime(playback, clockMs()));
        worst = std::max(worst, difference);
        total += difference;
    }
    std::printf("music against clock over %d pauses and seeks (%s output): mean %.0f ms, worst "
                "%.0f ms\n",
                kSteps, SDL_GetCurrentAudioDriver(), total / kSteps, worst);
    return 0;
}
