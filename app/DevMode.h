// DevMode: the scene writers' tools around the frame loop (intro --dev): the keys that pause and
// seek, with the music moved along; images reloaded when their files change; and an overlay that
// names the scene, the image and its file, and the clock. Needs a current GL context.
#pragma once

#include "app/core/DemoState.h"
#include "app/core/Playback.h"
#include "app/core/SceneTimeline.h"
#include "platform/Music.h"
#include "resources/TextureLibrary.h"
#include "resources/core/DataFolder.h"
#include "text/FontSet.h"

#include <cstdint>
#include <ctime>
#include <optional>
#include <sys/types.h>

// Watches the files of the image list and decodes a changed one again into its own slot. A file
// counts as changed when anything about it that a replacement changes differs: its inode (a file
// moved into place), its size, or its modification or status-change time (a rewrite, or a copy
// that kept the old modification time).
class ImageWatcher {
  public:
    explicit ImageWatcher(const DataFolder& data);
    // Looks at the files at most every 250 ms (wall is the clock in ms).
    void poll(const DemoState& state, TextureLibrary& textures, uint32_t wall);

  private:
    struct Seen {
        dev_t device = 0;
        ino_t inode = 0;
        long long size = -1;
        timespec modified{};
        timespec changed{};
        bool operator==(const Seen& other) const;
    };
    Seen look(int image) const;

    const DataFolder& m_data;
    Seen m_seen[kImageCount];
    uint32_t m_lastPoll = 0;
};

class DevMode {
  public:
    DevMode(TextureLibrary& textures, const DataFolder& data, Music& music);

    // The hook of the frame loop, after the frame is drawn and its message removed: applies the
    // scene writers' keys to the playback and the music (after a seek the frame is drawn again,
    // at the new time), reloads changed images and draws the overlay.
    void afterDraw(DemoState& state, Playback& playback, SceneDrawing drawing,
                   std::optional<uint32_t> message, uint32_t wall);

  private:
    void drawOverlay(const DemoState& state, const SceneDrawing& drawing, uint32_t time,
                     bool paused);

    TextureLibrary& m_textures;
    Music& m_music;
    FontSet m_fonts;
    CurrentFontSet m_currentFonts;
    ImageWatcher m_watcher;
};
