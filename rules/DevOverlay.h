// DevOverlay: what --dev's overlay says and how much of the screen its backdrop covers. Two
// lines: the scene, the image shown and its file; the clock and whether it is paused.
#pragma once

#include "rules/SceneTimeline.h"
#include "rules/Tempo.h"

#include <array>
#include <cstdint>
#include <string>

// The image the overlay names: the scene's own, or for a scene of layers alone its first picture
// or plane layer's; -1 when it shows none.
int overlayImage(const SceneDrawing& drawing);

// The two lines: "scene 3 image 2 s1.tga" ("image -" for none; file is the image's path, of
// which the overlay shows the name alone) and "12345 ms", with the bar and beat after it when
// there is a tempo ("12345 ms 3:2") and " paused" while paused.
std::array<std::string, 2> overlayLines(int scene, int image, const std::string& file,
                                        uint32_t time, const Tempo* tempo, bool paused);

// The backdrop's width and height in overlay pixels for those lines in a font of that advance
// and line height, with a 4-pixel margin all round. A font table may give any spacing: worked out
// in 64 bits and kept within 0 and 100000.
std::array<int, 2> overlayBackdrop(const std::array<std::string, 2>& lines, int64_t advance,
                                   int64_t lineHeight);
