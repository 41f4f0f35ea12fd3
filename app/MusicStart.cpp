#include "app/MusicStart.h"

#include "platform/Clock.h"

using namespace afterglow;

MusicError startMusic(Music& music, MusicDrift& drift, const Show& show, uint32_t start) {
    MusicError error = music.init();
    if (error == MusicError::None) {
        music.open(show.soundtrackPath());
        error = music.waitOpened();
    }
    if (error == MusicError::None) {
        music.place(show.soundtrackStart(), show.soundtrackVolume());
    }
    if (error == MusicError::None && start == 0) {
        music.play();
        drift.setTogether(clockMs()); // the clock runs from process start, the music from 0
    }
    return error;
}

void followDevRequest(Music& music, MusicDrift& drift, DevRequest request, const Playback& playback,
                      uint64_t wall) {
    switch (request) {
    case DevRequest::Pause:
        music.pause();
        drift.interrupt();
        break;
    case DevRequest::Resume:
        music.resume();
        drift.interrupt();
        break;
    case DevRequest::Seek:
        music.seek(playbackTime(playback, wall));
        drift.setTogether(0);
        if (playback.paused) {
            music.pause();
        }
        break;
    case DevRequest::None:
        break;
    }
}

void keepMusicWithPicture(Music& music, MusicDrift& drift, const Playback& playback,
                          uint64_t wall) {
    const uint32_t now = playbackTime(playback, wall);
    if (!playback.paused && music.due(now)) {
        music.seek(now);
        drift.setTogether(0);
        return;
    }
    if (playback.paused || !music.playing()) {
        drift.interrupt();
        return;
    }
    if (drift.behind(now, music.positionMs())) {
        music.seek(now);
        drift.setTogether(0);
    }
}
