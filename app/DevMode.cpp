#include "app/DevMode.h"

#include "app/Frame.h"
#include "app/MusicStart.h"
#include "rules/DevOverlay.h"
#include "rules/ImageSlots.h"
#include "rules/TimelineFile.h"
#include "text/TextPrinter.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>

using namespace afterglow;

namespace {
constexpr uint32_t kPollMs = 250;
} // namespace

DevMode::DevMode(TextureLibrary& textures, FontSet& fonts, ShaderLibrary& shaders,
                 const DataFolder& data, Music& music, MusicDrift& drift, Show& show,
                 const std::string& timelinePath, DevWatch watch)
    : m_textures(textures), m_music(music), m_drift(drift), m_fonts(fonts), m_shaders(shaders),
      m_data(data), m_show(show), m_timelinePath(timelinePath), m_watch(std::move(watch)) {}

DevWatch::DevWatch(const Show& show, const std::string& timelinePath)
    : images(show.imagePaths()), shaders(show.shaderPaths()), soundtrack({show.soundtrackPath()}),
      timeline(timelinePath.empty() ? std::vector<std::string>() : std::vector{timelinePath}) {}

void DevMode::afterDraw(DemoState& state, Playback& playback, SceneDrawing drawing,
                        std::optional<uint32_t> message, uint64_t wall) {
    const DevRequest request =
        message ? applyDevKey(playback, *message, wall, m_show.end()) : DevRequest::None;
    followDevRequest(m_music, m_drift, request, playback, wall);
    const bool reloaded = reloadChanged(state, wall);
    if (m_soundtrackChanged) {
        m_soundtrackChanged = false;
        reloadSoundtrack(playback, wall);
    }
    if (request == DevRequest::Seek || reloaded) {
        // The picture of the new time, or of the new timeline at this time.
        const uint32_t time = playbackTime(playback, wall);
        followTime(m_show, state, time);
        resetPicture(m_show, state, time);
        drawing = planFrame(m_show, state, time);
        drawScene(state, drawing);
    }
    drawOverlay(state, drawing, playbackTime(playback, wall), playback.paused);
}

bool DevMode::reloadChanged(DemoState& state, uint64_t wall) {
    if (wall - m_lastPoll < kPollMs) {
        return false;
    }
    m_lastPoll = wall;
    // The pictures first: a timeline reload watches its pictures afresh, as they are now, and a
    // picture saved with it would never be seen to change.
    const std::vector<size_t> first = firstOfSameFile(m_show.imagePaths());
    for (size_t n : m_watch.images.changed()) {
        const std::string& path = m_show.imagePath(static_cast<int>(n));
        if (first[n] == n && state.imageSlots[n] != 0 &&
            !m_textures.reload(state.imageSlots[n], path)) {
            std::fprintf(stderr, "%s: did not load; the picture before it stays\n", path.c_str());
        }
    }
    for (size_t n : m_watch.shaders.changed()) {
        m_shaders.reload(n);
    }
    m_soundtrackChanged = !m_watch.soundtrack.changed().empty();
    return !m_watch.timeline.changed().empty() && reloadTimeline(state);
}

void DevMode::reloadSoundtrack(const Playback& playback, uint64_t wall) {
    // A file that does not open leaves the music stopped: the stream opened before may read the
    // same file, overwritten where it lay.
    const MusicError error = m_music.reopen(m_show.soundtrackPath());
    if (error != MusicError::None) {
        std::fprintf(stderr, "%s: %s; the music stops until it opens\n",
                     m_show.soundtrackPath().c_str(), errorText(error));
        return;
    }
    m_music.place(m_show.soundtrackStart(), m_show.soundtrackVolume());
    followDevRequest(m_music, m_drift, DevRequest::Seek, playback, wall);
}

bool DevMode::reloadTimeline(DemoState& state) {
    Timeline timeline;
    std::string error;
    // Only the fonts loaded at the start can print.
    if (!loadShowTimeline(m_timelinePath, m_data, timeline, error,
                          static_cast<size_t>(m_fonts.fontCount()))) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return false;
    }
    Show next(std::move(timeline), folderOf(m_timelinePath));
    // An image already loaded from the same file keeps its slot; the others load now, and the
    // pictures no image shows any more are let go.
    SlotChange change = keepSlots(m_show.imagePaths(), state.imageSlots, next.imagePaths());
    const std::vector<size_t> first = firstOfSameFile(next.imagePaths());
    for (int n = 0; n < next.imageCount(); ++n) {
        int32_t& slot = change.slots[static_cast<size_t>(n)];
        if (slot == 0 && first[n] != static_cast<size_t>(n)) {
            slot = change.slots[first[n]];
        } else if (slot == 0) {
            slot = m_textures.load(next.imagePath(n));
            if (m_textures.get(slot) == nullptr) {
                std::fprintf(stderr, "%s: did not load; it is drawn white\n",
                             next.imagePath(n).c_str());
            }
        }
    }
    for (int32_t slot : change.released) {
        m_textures.release(slot);
    }
    state.imageSlots = std::move(change.slots);
    m_soundtrackChanged = m_soundtrackChanged || next.soundtrackPath() != m_show.soundtrackPath() ||
                          next.soundtrackStart() != m_show.soundtrackStart() ||
                          next.soundtrackVolume() != m_show.soundtrackVolume();
    m_show = std::move(next);
    m_watch.images = FileWatch(m_show.imagePaths());
    m_watch.shaders = FileWatch(m_show.shaderPaths());
    m_watch.soundtrack = FileWatch({m_show.soundtrackPath()});
    m_shaders.load(m_show.shaderPaths());
    return true;
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
    const int shown = overlayImage(drawing);
    const Texture* texture = shown >= 0 ? m_textures.get(state.imageSlots[shown]) : nullptr;
    const std::array<std::string, 2> lines =
        overlayLines(state.scene, shown, texture != nullptr ? texture->fileName() : "", time,
                     m_show.tempo(), paused);
    const auto [width, height] =
        overlayBackdrop(lines, int64_t{atlas->width() / 16} + m_fonts.xSpace(font),
                        int64_t{atlas->height() / 16} + m_fonts.ySpace(font));

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
