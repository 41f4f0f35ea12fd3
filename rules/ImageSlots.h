// ImageSlots: which loaded textures a new image list keeps when it replaces another (--dev
// reloading a timeline file), and which it lets go, so that pictures are neither loaded twice nor
// kept once nothing shows them. Pure: no GL.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct SlotChange {
    std::vector<int32_t> slots;    // per new image: the slot of an old one of the same file, or 0
    std::vector<int32_t> released; // old slots that no new image keeps, each once
};

// Per image, the first image of the list with the same file (itself when none came before): a
// file named twice is read and held once.
std::vector<size_t> firstOfSameFile(const std::vector<std::string>& paths);

SlotChange keepSlots(const std::vector<std::string>& oldPaths, const std::vector<int32_t>& oldSlots,
                     const std::vector<std::string>& newPaths);
