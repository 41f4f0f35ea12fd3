// Timeline: a timeline read from a file (see TimelineFile.h), and what its scenes draw. The same
// questions as SceneTimeline answers for the built-in one, asked of data: pure, no GL, no clock.
#pragma once

#include "rules/Layer.h"
#include "rules/SceneTimeline.h"
#include "rules/Tempo.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// From this time within the scene on, the scene shows another image. An inclusive change keeps
// the image before it up to and including its time ("<=" in the rules), the other kind only
// before it ("<").
struct ImageChange {
    uint32_t time = 0;
    bool inclusive = false;
    int image = 0;
};

// One image per pace ms in turn, then one image for the rest of the scene.
struct FlipBook {
    std::vector<int> frames;
    uint32_t pace = 1;
    int after = 0;
};

// The perspective scroller with a text image, at scroll position elapsed / pace.
struct Scroller {
    int text = 0;
    uint32_t pace = 1;
};

struct TimelineScene {
    uint32_t end = 0;
    int image = -1; // shown from the start of the scene; -1: nothing
    std::vector<ImageChange> changes;
    std::optional<FlipBook> flipBook;
    std::optional<Scroller> scroller;
    std::vector<Layer> layers; // drawn in order over the image and the scroller
    SceneCamera camera;        // what plane layers are seen through
};

// Paths as the file writes them: relative ones are relative to the file. Images named in the
// file are numbered in the order of their names.
struct Timeline {
    std::string soundtrack;
    uint32_t soundtrackStart = 0;     // the clock time it starts at
    double soundtrackVolume = 1.0;    // 0 to 1
    std::vector<std::string> shaders; // the shader layers' files, each once
    std::vector<std::string> images;
    std::vector<std::string> imageNames; // empty when the file lists its images by number
    std::vector<TimelineScene> scenes;
    std::optional<Tempo> tempo; // when the file gives bpm
};

// Whether any scene writes text, and so needs the data's fonts.
bool writesText(const Timeline& timeline);

// Puts the font of each text layer named by name in its place, the names being the font table's
// in order, and checks numbered ones against it. False, with a one-line report in error
// (FILE:LINE:COLUMN: what was expected; noFonts when there are no fonts at all), when a font is
// not in the table.
bool bindFonts(Timeline& timeline, const std::vector<std::string>& fontNames,
               const std::string& noFonts, std::string& error);

// What the scene draws at elapsed ms into it (elapsed wraps as in sceneDrawing). A scene index
// outside the timeline draws nothing. A shader layer is given the clock (the scene's start plus
// elapsed, wrapping as the clock does) and the beat there.
SceneDrawing timelineDrawing(const Timeline& timeline, int32_t scene, uint32_t elapsed);
