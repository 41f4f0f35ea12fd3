// ImageLoading: the image list's loading at start-up. These are the first loads into the texture
// library, so image n holds slot n + 1.
#pragma once

#include "app/ImagePreload.h"
#include "resources/TextureLibrary.h"
#include "rules/DemoState.h"
#include "rules/Show.h"

#include <functional>
#include <string>
#include <vector>

// Loads every image of the show in list order into the image slots, from the files or, given a
// preload of the same show, from what it decoded; images of the same file share its slot. Returns
// the numbers of those that did not load (each one reported by the loader, its slot kept and drawn
// untextured). Needs a current GL context. keepLoading is asked before each image: false stops the
// loading there, the images left unloaded (slot 0) and not counted.
std::vector<int> loadImageList(const Show& show, DemoState& state, TextureLibrary& textures,
                               ImagePreload* preload = nullptr,
                               const std::function<bool()>& keepLoading = {});

// "N of M images did not load (FILE, FILE, ...)": the loader's reports do not name their file.
// The first few are named, then how many more.
std::string missingImages(const Show& show, const std::vector<int>& failed);
