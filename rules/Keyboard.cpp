#include "rules/Keyboard.h"

using namespace afterglow;

namespace {
// Counts the message and says whether it is the acting one of a pair.
bool countKeyMessage(DemoState& state) {
    int32_t taken = state.keyCounter;
    state.keyCounter = static_cast<int32_t>(static_cast<uint32_t>(taken) + 1u);
    return (taken & 1) != 0;
}
} // namespace

bool applyKeyMessage(DemoState& state, uint32_t keycode, int32_t sceneCount) {
    switch (keycode) {
    case kKeyEscape:
        state.quit = true;
        return false;
    case kKeyEnter:
        // Never past the end of the timeline, however often Enter arrives after the last scene.
        if (countKeyMessage(state) && state.scene < sceneCount) {
            ++state.scene;
        }
        return false;
    case kKeySpace:
        return countKeyMessage(state);
    default:
        return false;
    }
}
