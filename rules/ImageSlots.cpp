#include "rules/ImageSlots.h"

#include <algorithm>

std::vector<size_t> firstOfSameFile(const std::vector<std::string>& paths) {
    std::vector<size_t> first;
    for (const std::string& path : paths) {
        first.push_back(
            static_cast<size_t>(std::find(paths.begin(), paths.end(), path) - paths.begin()));
    }
    return first;
}

SlotChange keepSlots(const std::vector<std::string>& oldPaths, const std::vector<int32_t>& oldSlots,
                     const std::vector<std::string>& newPaths) {
    SlotChange change;
    for (const std::string& path : newPaths) {
        auto same = std::find(oldPaths.begin(), oldPaths.end(), path);
        change.slots.push_back(same == oldPaths.end() ? 0 : oldSlots[same - oldPaths.begin()]);
    }
    for (int32_t slot : oldSlots) {
        const bool kept = std::count(change.slots.begin(), change.slots.end(), slot) > 0;
        if (slot != 0 && !kept &&
            std::count(change.released.begin(), change.released.end(), slot) == 0) {
            change.released.push_back(slot);
        }
    }
    return change;
}
