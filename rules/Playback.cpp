#include "rules/Playback.h"

#include "platform/KeyCodes.h"

#include <algorithm>
#include <limits>

using namespace afterglow;

uint32_t playbackTime(const Playback& playback, uint64_t wall) {
    return playback.paused ? playback.pausedAt
                           : static_cast<uint32_t>(
                                 std::clamp<int64_t>(static_cast<int64_t>(wall) - playback.origin,
                                                     0, std::numeric_limits<uint32_t>::max()));
}

bool playbackPastLastTime(const Playback& playback, uint64_t wall) {
    return !playback.paused &&
           static_cast<int64_t>(wall) - playback.origin > std::numeric_limits<uint32_t>::max();
}

void seekPlayback(Playback& playback, uint32_t time, uint64_t wall) {
    playback.origin = static_cast<int64_t>(wall) - time;
    playback.pausedAt = time;
}

DevRequest applyDevKey(Playback& playback, uint32_t message, uint64_t wall, uint32_t end) {
    if ((message & kKeyReleased) != 0) {
        return DevRequest::None;
    }
    const int64_t now = playbackTime(playback, wall);
    const int64_t step = (message & kKeyShift) != 0 ? 1000 : 5000;
    switch (message & kKeyCodeMask) {
    case kKeyP:
        if (playback.paused) {
            seekPlayback(playback, playback.pausedAt, wall);
            playback.paused = false;
            return DevRequest::Resume;
        }
        playback.pausedAt = static_cast<uint32_t>(now);
        playback.paused = true;
        return DevRequest::Pause;
    case kKeyLeft:
    case kKeyRight:
    case kKeyHome: {
        const int64_t target = (message & kKeyCodeMask) == kKeyHome   ? 0
                               : (message & kKeyCodeMask) == kKeyLeft ? now - step
                                                                      : now + step;
        seekPlayback(playback, static_cast<uint32_t>(std::clamp<int64_t>(target, 0, end)), wall);
        return DevRequest::Seek;
    }
    default:
        return DevRequest::None;
    }
}

void followTime(const Show& show, DemoState& state, uint32_t time) {
    state.scene = 0;
    state.quit = false;
    show.advance(state, time);
}
