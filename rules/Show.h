// Show: what the intro plays, the built-in timeline (the compiled scene rules, image list and
// soundtrack from the data folder) or one read from a timeline file (its paths relative to the
// file). The frame loop, the keys, the image loading and the capture plan ask the show, so that
// both kinds play through the same code; the built-in one answers from the compiled rules alone.
#pragma once

#include "base/DataFolder.h"
#include "rules/DemoState.h"
#include "rules/SceneTimeline.h"
#include "rules/Timeline.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class Show {
  public:
    // The built-in timeline, its files in data.
    explicit Show(afterglow::DataFolder data = afterglow::DataFolder());
    // A timeline read from a file in folder.
    Show(Timeline timeline, const std::string& folder);

    int32_t sceneCount() const { return static_cast<int32_t>(m_ends.size()); }
    // The clock value the last scene ends at, the run's end.
    uint32_t end() const { return m_ends.back(); }
    // The end of the scene before, 0 for scene 0.
    uint32_t sceneStart(int32_t scene) const;
    // Moves the scene index past every scene whose end lies behind now, and sets the quit flag
    // once the index passes the last scene.
    void advance(DemoState& state, uint32_t now) const;
    // What the scene draws at elapsed ms into it.
    SceneDrawing drawing(int32_t scene, uint32_t elapsed) const;

    int imageCount() const { return static_cast<int>(m_images.size()); }
    const std::string& imagePath(int image) const { return m_images[static_cast<size_t>(image)]; }
    const std::vector<std::string>& imagePaths() const { return m_images; }
    // The shader layers' files, each once, in the numbers the layers give.
    const std::vector<std::string>& shaderPaths() const { return m_shaders; }
    const std::string& soundtrackPath() const { return m_soundtrack; }
    // When on the clock the soundtrack starts, and how loud it plays (0 to 1).
    uint32_t soundtrackStart() const { return m_timeline ? m_timeline->soundtrackStart : 0; }
    double soundtrackVolume() const { return m_timeline ? m_timeline->soundtrackVolume : 1.0; }
    // Whether a scene writes text with the data's fonts.
    bool writesText() const { return m_timeline && ::writesText(*m_timeline); }
    // The music's beat, when a timeline file gives it.
    const Tempo* tempo() const {
        return m_timeline && m_timeline->tempo ? &*m_timeline->tempo : nullptr;
    }

  private:
    std::optional<Timeline> m_timeline;
    std::vector<uint32_t> m_ends;
    std::vector<std::string> m_images;
    std::vector<std::string> m_shaders;
    std::string m_soundtrack;
};

// Reads a timeline file, its text layers' fonts found by number or name (see FontTable.h) among
// the first fontsLoaded of the data's font table: those a running program loaded.
bool loadShowTimeline(const std::string& path, const afterglow::DataFolder& data,
                      Timeline& timeline, std::string& error, size_t fontsLoaded = SIZE_MAX);

// The show a program plays: the built-in timeline with its files in data when timelinePath is
// empty, else the timeline file's. False, with the file's one-line report in error, when the
// file cannot be read or does not make sense.
bool chooseShow(const std::string& timelinePath, const afterglow::DataFolder& data, Show& show,
                std::string& error);
