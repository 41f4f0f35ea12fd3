// DevMode: the scene writers' tools around the frame step (intro --dev): the music moved along
// with the keys, images reloaded when their files change, and an overlay with the scene, the
// image and the clock. Needs a current GL context.
#pragma once

#include "app/core/DemoState.h"
#include "app/core/Playback.h"
#include "app/core/SceneTimeline.h"

#include <cstdint>
#include <ctime>

// Moves the music along with a request of the scene writers' keys: paused, resumed, or to the
// playback's time.
void followMusic(DevRequest request, const Playback& playback, uint32_t wall);

// Draws the overlay in the top-left corner with the text printer, leaving the GL state as it
// found it.
void drawDevOverlay(const SceneDrawing& drawing, int32_t scene, uint32_t time, bool paused);

// Watches the files of the image list and decodes a changed one again into its own slot.
class ImageWatcher {
  public:
    ImageWatcher();
    // Looks at the files at most every 250 ms (wall is the clock in ms).
    void poll(const DemoState& state, uint32_t wall);

  private:
    struct Seen {
        timespec modified{};
        long long size = -1;
    };
    Seen m_seen[kImageCount];
    uint32_t m_lastpoll = 0;
};
