// ImageLoading: the image list's loading at start-up. These are the first loads into the texture
// library, so image n holds slot n + 1.
#pragma once

#include "app/core/DemoState.h"
#include "app/core/Show.h"
#include "resources/TextureLibrary.h"

// Loads every image of the show in list order into the image slots. Returns how many did not
// load (each one reported by the loader, its slot kept and drawn untextured). Needs a current GL
// context.
int loadImageList(const Show& show, DemoState& state, TextureLibrary& textures);
