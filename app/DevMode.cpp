#include "app/DevMode.h"

#include "app/Frame.h"
#include "app/MusicStart.h"
#include "app/core/ImageList.h"
#include "text/TextPrinter.h"

#include <GL/gl.h>

#include <algorithm>
#include <string>
#include <sys/stat.h>

namespace {
constexpr uint32_t kPollMs = 250;

bool sameTime(const timespec& a, const timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

// The file name of the image a drawing shows, without its folder.
std::string imageName(const DemoState& state, const TextureLibrary& textures, int image) {
    const Texture* texture = image >= 0 ? textures.get(state.imageSlots[image]) : nullptr;
    const std::string path = texture != nullptr ? texture->fileName() : "";
    return path.substr(path.rfind('/') + 1);
}
} // namespace

bool ImageWatcher::Seen::operator==(const Seen& other) const {
    return device == other.device && inode == other.inode && size == other.size &&
           sameTime(modified, other.modified) && sameTime(changed, other.changed);
}

ImageWatcher::ImageWatcher(const DataFolder& data) : m_data(data) {
    for (int n = 0; n < kImageCount; ++n) {
        m_seen[n] = look(n); // what is there now is what was loaded
    }
}

ImageWatcher::Seen ImageWatcher::look(int image) const {
    struct stat info;
    if (stat(m_data.path(ImageList[image]).c_str(), &info) != 0) {
        return Seen();
    }
    return {info.st_dev, info.st_ino, static_cast<long long>(info.st_size), info.st_mtim,
            info.st_ctim};
}

void ImageWatcher::poll(const DemoState& state, TextureLibrary& textures, uint32_t wall) {
    if (wall - m_lastPoll < kPollMs) {
        return;
    }
    m_lastPoll = wall;
    for (int n = 0; n < kImageCount; ++n) {
        const Seen now = look(n);
        // Each change is tried once: a file that fails to decode keeps the picture it replaces
        // and is reported once, until it changes again.
        const bool changed = !(now == m_seen[n]);
        m_seen[n] = now;
        if (changed && state.imageSlots[n] != 0 && now.size >= 0) {
            textures.reload(state.imageSlots[n], m_data.path(ImageList[n]));
        }
    }
}

DevMode::DevMode(TextureLibrary& textures, const DataFolder& data, Music& music)
    : m_textures(textures), m_music(music), m_fonts(textures, data), m_currentFonts(m_fonts),
      m_watcher(data) {}

void DevMode::afterDraw(DemoState& state, Playback& playback, SceneDrawing drawing,
                        std::optional<uint32_t> message, uint32_t wall) {
    const DevRequest request = message ? applyDevKey(playback, *message, wall) : DevRequest::None;
    followDevRequest(m_music, request, playback, wall);
    if (request == DevRequest::Seek) {
        const uint32_t time = playbackTime(playback, wall);
        followTime(state, time);
        resetPicture(state, time);
        drawing = planFrame(state, time);
        drawScene(state, drawing);
    }
    m_watcher.poll(state, m_textures, wall);
    drawOverlay(state, drawing, playbackTime(playback, wall), playback.paused);
}

// Two lines in the top-left corner over a dark backdrop, so that they read on any picture: the
// scene, the image and its file; the clock and whether it is paused.
void DevMode::drawOverlay(const DemoState& state, const SceneDrawing& drawing, uint32_t time,
                          bool paused) {
    const int font = m_fonts.fontCount() > 1 ? 1 : 0;
    const Texture* atlas = m_fonts.fontCount() > 0 ? m_fonts.atlas(font) : nullptr;
    if (atlas == nullptr) {
        return; // no font to print with
    }
    const std::string image = drawing.image < 0 ? std::string("-")
                                                : std::to_string(drawing.image) + " " +
                                                      imageName(state, m_textures, drawing.image);
    const std::string lines[] = {"scene " + std::to_string(state.scene) + " image " + image,
                                 std::to_string(time) + " ms" + (paused ? " paused" : "")};
    // A font table may give any spacing: the backdrop's size is worked out in 64 bits and kept
    // within the overlay's reach.
    const int64_t advance = int64_t{atlas->width() / 16} + m_fonts.xSpace(font);
    const int64_t lineHeight = int64_t{atlas->height() / 16} + m_fonts.ySpace(font);
    const auto longest = static_cast<int64_t>(std::max(lines[0].size(), lines[1].size()));
    const auto width = static_cast<int>(std::clamp<int64_t>(longest * advance + 8, 0, 100000));
    const auto height = static_cast<int>(std::clamp<int64_t>(2 * lineHeight + 8, 0, 100000));

    glPushAttrib(GL_COLOR_BUFFER_BIT | GL_ENABLE_BIT | GL_CURRENT_BIT | GL_TEXTURE_BIT);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.0f, 0.0f, 0.0f, 0.6f);
    beginOverlay();
    glRecti(0, 0, width, height);
    endOverlay();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    // A box far wider than the screen: the two lines never wrap, whatever the numbers and names.
    printText(4, 4, 100000, height, lines[0] + "\n" + lines[1], font);
    glPopAttrib();
}
