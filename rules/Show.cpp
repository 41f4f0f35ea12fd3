#include "rules/Show.h"

#include "base/RegularFile.h"
#include "rules/ImageList.h"
#include "rules/TimelineFile.h"
#include "text/core/FontTable.h"
#include "text/core/LookupTableLoader.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include <utility>

using namespace afterglow;

Show::Show(DataFolder data)
    : m_ends(SceneTimeline, SceneTimeline + kSceneCount), m_soundtrack(data.path(kSoundtrack)) {
    for (const std::string& name : ImageList) {
        m_images.push_back(data.path(name));
    }
}

Show::Show(Timeline timeline, const std::string& folder)
    : m_soundtrack(besideFile(folder, timeline.soundtrack)) {
    for (const TimelineScene& scene : timeline.scenes) {
        m_ends.push_back(scene.end);
    }
    for (const std::string& image : timeline.images) {
        m_images.push_back(besideFile(folder, image));
    }
    for (const std::string& shader : timeline.shaders) {
        m_shaders.push_back(besideFile(folder, shader));
    }
    m_timeline = std::move(timeline);
}

uint32_t Show::sceneStart(int32_t scene) const {
    return scene <= 0 ? 0 : m_ends[static_cast<size_t>(scene - 1)];
}

void Show::advance(DemoState& state, uint32_t now) const {
    advanceScenes(state, now, m_ends.data(), sceneCount());
}

SceneDrawing Show::drawing(int32_t scene, uint32_t elapsed) const {
    return m_timeline ? timelineDrawing(*m_timeline, scene, elapsed) : sceneDrawing(scene, elapsed);
}

bool loadShowTimeline(const std::string& path, const DataFolder& data, Timeline& timeline,
                      std::string& error, size_t fontsLoaded) {
    Timeline read;
    if (!loadTimeline(path, read, error)) {
        return false;
    }
    if (writesText(read)) {
        const std::string table = data.path("data/fonts.data");
        // The table's loader reports a missing file itself; here a missing table is an answer.
        std::FILE* file = openRegularFile(table.c_str());
        std::vector<std::string> names;
        if (file != nullptr) {
            std::fclose(file);
            names = fontNames(*loadLookupTable(table));
        }
        const std::string noFonts =
            names.empty()
                ? "expected a font table for the text: " + table +
                      " (name the data folder with --data)"
                : "expected a font the intro has loaded: it reads the font table when it starts, "
                  "and found none then; start it again to use " +
                      table;
        names.resize(std::min(names.size(), fontsLoaded));
        if (!bindFonts(read, names, noFonts, error)) {
            return false;
        }
    }
    timeline = std::move(read);
    return true;
}

bool chooseShow(const std::string& timelinePath, const DataFolder& data, Show& show,
                std::string& error) {
    if (timelinePath.empty()) {
        show = Show(data);
        return true;
    }
    Timeline timeline;
    if (!loadShowTimeline(timelinePath, data, timeline, error)) {
        return false;
    }
    show = Show(std::move(timeline), folderOf(timelinePath));
    return true;
}
