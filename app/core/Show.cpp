#include "app/core/Show.h"

#include "app/core/ImageList.h"
#include "app/core/TimelineFile.h"

#include <utility>

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

bool chooseShow(const std::string& timelinePath, const DataFolder& data, Show& show,
                std::string& error) {
    if (timelinePath.empty()) {
        show = Show(data);
        return true;
    }
    Timeline timeline;
    if (!loadTimeline(timelinePath, timeline, error)) {
        return false;
    }
    show = Show(std::move(timeline), folderOf(timelinePath));
    return true;
}
