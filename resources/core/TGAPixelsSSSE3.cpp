// The pixel loops for processors with SSSE3; built with -mssse3, run only where it is.
#define TGA_PIXEL_SPACE tga_ssse3
#include "resources/core/TGAPixels.inc"
