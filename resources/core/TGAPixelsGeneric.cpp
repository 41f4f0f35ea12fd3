// The pixel loops for any x86-64 (or other) processor.
#define TGA_PIXEL_SPACE tga_generic
#include "resources/core/TGAPixels.inc"
