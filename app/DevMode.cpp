#include "app/DevMode.h"

#include "app/core/ImageList.h"
#include "platform/Music.h"
#include "resources/TextureLibrary.h"
#include "resources/core/DataFolder.h"
#include "text/FontSet.h"
#include "text/TextPrinter.h"

#include <GL/gl.h>

#include <string>
#include <sys/stat.h>

namespace {
constexpr uint32_t kPollMs = 250;
} // namespace

void followMusic(DevRequest request, const Playback& playback, uint32_t wall) {
    switch (request) {
    case DevRequest::Pause:
        musicPause();
        break;
    case DevRequest::Resume:
        musicResume();
        break;
    case DevRequest::Seek:
        musicSeek(playbackTime(playback, wall));
        break;
    case DevRequest::None:
        break;
    }
}

void drawDevOverlay(const SceneDrawing& drawing, int32_t scene, uint32_t time, bool paused) {
    const int fonts = fontCount();
    if (fonts == 0) {
        return; // no font table: nothing to print with
    }
    const std::string text =
        "scene " + std::to_string(scene) + " image " +
        (drawing.image < 0 ? std::string("-") : std::to_string(drawing.image)) + " " +
        std::to_string(time) + " ms" + (paused ? " paused" : "");
    glPushAttrib(GL_COLOR_BUFFER_BIT | GL_ENABLE_BIT | GL_CURRENT_BIT | GL_TEXTURE_BIT);
    glEnable(GL_BLEND);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    printText(4, 4, 312, 40, text, fonts > 1 ? 1 : 0);
    glPopAttrib();
}

ImageWatcher::ImageWatcher() {
    poll(DemoState(), kPollMs); // what is there now is what was loaded
}

void ImageWatcher::poll(const DemoState& state, uint32_t wall) {
    if (wall - m_lastpoll < kPollMs) {
        return;
    }
    m_lastpoll = wall;
    for (int n = 0; n < kImageCount; ++n) {
        const std::string path = dataPath(ImageList[n]);
        struct stat info;
        Seen now;
        if (stat(path.c_str(), &info) == 0) {
            now = {info.st_mtim, static_cast<long long>(info.st_size)};
        }
        Seen& before = m_seen[n];
        const bool changed = now.size != before.size ||
                             now.modified.tv_sec != before.modified.tv_sec ||
                             now.modified.tv_nsec != before.modified.tv_nsec;
        // Each change is tried once: a file that fails to decode keeps the picture it replaces
        // and is reported once, until it changes again.
        before = now;
        if (changed && state.imageslots[n] != 0 && now.size >= 0) {
            reloadTexture(state.imageslots[n], path);
        }
    }
}
