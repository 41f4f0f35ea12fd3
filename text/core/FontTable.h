/// @file
/// FontTable: what a font table ("data/fonts.data") says of its fonts: one record a font, its
/// glyph atlas ("mapfile") and spacing ("xspace", "yspace"). At most kMostFonts are used; the
/// records past them are left out.
#pragma once

#include "text/core/LookupTable.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t kMostFonts = 256;

/// The name of each font used, in table order: its atlas file's name without the folder and the
/// extension ("font_bold" for data/font_bold.tga).
std::vector<std::string> fontNames(LookupTable& table);
