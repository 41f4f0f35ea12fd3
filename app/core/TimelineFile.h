// TimelineFile: reads a timeline written in TOML (the format is described in share/timeline.toml,
// the built-in timeline written out). Checks what the file says against the bounds below and
// against itself; reports the first mistake as one line, FILE:LINE:COLUMN: what was expected.
#pragma once

#include "app/core/Timeline.h"

#include <cstddef>
#include <string>
#include <string_view>

// What a timeline file may hold, so that a hostile one costs little.
constexpr size_t kTimelineFileBytes = 1 << 20;
constexpr size_t kTimelineScenes = 1024;
constexpr size_t kTimelineImages = 1024;
constexpr size_t kTimelineChanges = 256; // per scene
constexpr size_t kTimelineFrames = 4096; // per flip-book
constexpr size_t kTimelinePathBytes = 4096;

// Parses text, naming the file name in errors. On a mistake returns false with the one-line
// report in error and leaves timeline as it was.
bool parseTimeline(std::string_view text, const std::string& name, Timeline& timeline,
                   std::string& error);

// Reads the file at path and parses it.
bool loadTimeline(const std::string& path, Timeline& timeline, std::string& error);
