// ImageLoading: the image list's loading at start-up. These are the first loads into the texture
// library, so image n holds slot n + 1.
#pragma once

#include "app/core/DemoState.h"

// Loads every image in list order into the image slots. Needs a current GL context.
void loadImageList(DemoState& state);
