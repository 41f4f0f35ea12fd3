// DevMode: the scene writers' tools around the frame loop (intro --dev): the keys that pause and
// seek, with the music moved along; images and the timeline file reloaded when they change; and
// an overlay that names the scene, the image and its file, and the clock. Needs a current GL
// context.
#pragma once

#include "app/ShaderLibrary.h"
#include "base/DataFolder.h"
#include "base/FileWatch.h"
#include "platform/Music.h"
#include "resources/TextureLibrary.h"
#include "rules/DemoState.h"
#include "rules/MusicDrift.h"
#include "rules/Playback.h"
#include "rules/SceneTimeline.h"
#include "rules/Show.h"
#include "text/FontSet.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What --dev watches: the show's pictures, shaders and soundtrack and its timeline file (none
// for the built-in one).
// Made before anything loads, so that a file saved while the intro starts counts as changed.
struct DevWatch {
    DevWatch(const Show& show, const std::string& timelinePath);
    FileWatch images;
    FileWatch shaders;
    FileWatch soundtrack;
    FileWatch timeline;
};

class DevMode {
  public:
    // The show is the one the frame loop plays; with a timeline file, a saved change to it
    // replaces the show.
    // The fonts print the overlay; a timeline file's text layers find theirs in data's table.
    DevMode(TextureLibrary& textures, FontSet& fonts, ShaderLibrary& shaders,
            const afterglow::DataFolder& data, afterglow::Music& music, MusicDrift& drift,
            Show& show, const std::string& timelinePath, DevWatch watch);

    // The hook of the frame loop, after the frame is drawn and its message removed: applies the
    // scene writers' keys to the playback and the music (after a seek the frame is drawn again,
    // at the new time), reloads changed images and the changed timeline file (the clock and music
    // go on; the scene follows the clock) and draws the overlay.
    void afterDraw(DemoState& state, Playback& playback, SceneDrawing drawing,
                   std::optional<uint32_t> message, uint64_t wall);

  private:
    // Looks at the files at most every 250 ms (wall is the clock in ms); true when the show
    // changed.
    bool reloadChanged(DemoState& state, uint64_t wall);
    // A timeline that does not read or make sense is reported once and the show plays on.
    bool reloadTimeline(DemoState& state);
    // The soundtrack opened again and placed, playing on at the clock; one that does not open
    // is reported and the music stops until it does.
    void reloadSoundtrack(const Playback& playback, uint64_t wall);
    void drawOverlay(const DemoState& state, const SceneDrawing& drawing, uint32_t time,
                     bool paused);

    TextureLibrary& m_textures;
    afterglow::Music& m_music;
    MusicDrift& m_drift;
    FontSet& m_fonts;
    ShaderLibrary& m_shaders;
    const afterglow::DataFolder& m_data;
    Show& m_show;
    std::string m_timelinePath;
    DevWatch m_watch;
    uint64_t m_lastPoll = 0;
    bool m_soundtrackChanged = false; // its file, or where or how loud it plays
};
