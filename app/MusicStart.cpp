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
