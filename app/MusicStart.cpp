#include "app/MusicStart.h"

MusicError startMusic(Music& music, const std::string& soundtrack) {
    MusicError error = music.init();
    if (error == MusicError::None) {
        music.open(soundtrack);
        error = music.waitOpened();
    }
    if (error == MusicError::None) {
        music.play();
    }
    return error;
}

void followDevRequest(Music& music, DevRequest request, const Playback& playback, uint32_t wall) {
    switch (request) {
    case DevRequest::Pause:
        music.pause();
        break;
    case DevRequest::Resume:
        music.resume();
        break;
    case DevRequest::Seek:
        music.seek(playbackTime(playback, wall));
        if (playback.paused) {
            music.pause();
        }
        break;
    case DevRequest::None:
        break;
    }
}
