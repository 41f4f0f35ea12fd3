// TimelineFile: reads a timeline written in TOML (the format is described in share/timeline.toml,
// the built-in timeline written out). Checks what the file says against the bounds below and
// against itself; reports the first mistake as one line, FILE:LINE:COLUMN: what was expected.
#pragma once

#include "rules/Timeline.h"

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
constexpr size_t kTimelineKeyDots = 256; // in a line, outside strings: a key's nested tables
constexpr size_t kTimelineLayers = 64;   // per scene
constexpr size_t kTimelineKeys = 1024;   // per track
constexpr size_t kTimelineTextBytes = 4096;
constexpr size_t kTimelineNameBytes = 256; // an image's or a font's name
// The newest format this reader knows; a file may say which it needs with 'version'.
constexpr int64_t kTimelineVersion = 3;

// Parses text, naming the file name in errors. On a mistake returns false with the one-line
// report in error and leaves timeline as it was.
bool parseTimeline(std::string_view text, const std::string& name, Timeline& timeline,
                   std::string& error);

// The path of a file a timeline file names: relative ones are relative to the file's folder.
std::string besideFile(const std::string& folder, const std::string& path);

// The folder of a file's path ("." for a bare name).
std::string folderOf(const std::string& path);

// Reads the file at path and parses it; every file it names must also be there, beside it.
bool loadTimeline(const std::string& path, Timeline& timeline, std::string& error);
