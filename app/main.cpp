// The intro: starts up in a fixed order, then plays the 13-scene timeline against the clock until
// it ends or Escape is pressed. Reads no arguments, environment or configuration.
#include "app/DemoState.h"
#include "app/Frame.h"
#include "app/ImageLoading.h"
#include "app/MusicStart.h"
#include "platform/Clock.h"
#include "platform/Display.h"

#include <cstdio>
#include <string>

namespace {
DemoState state;
} // namespace

int main() {
    std::string error;
    if (!startMusic(error) || !createDisplay(error)) {
        std::printf("%s\n", error.c_str());
        return 1;
    }
    loadImageList(state);
    while (!state.quit) {
        frame(state, clockMs(), &removeMessage);
        presentDisplay();
    }
    return 0;
}
