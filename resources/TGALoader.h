// TGALoader: decodes a Truevision TGA file into a Texture's image fields. Accepts exactly
// uncompressed (type 2) and run-length encoded (type 10) true-colour images at 24 or 32 bits with
// no image ID, no colour map and a zero origin; refuses anything else with a check report.
// Rows stay in the order the file stores them; pixels come out as R, G, B (, A).
// Not reentrant: the file header read last is module state.
#pragma once

#include "resources/FileReader.h"
#include "resources/Texture.h"

#include <cstdio>
#include <string>

// Opens and decodes f; returns a new Texture the caller owns, or null after a report.
Texture* loadTGAFile(std::string f, Texture::GLName name = Texture::GLName::Generate);

// The same over a file already open for reading at its start (which it takes over and closes);
// f names the texture. Lets the decoder run on a file in memory.
Texture* loadTGAFromFile(std::FILE* file, std::string f, Texture::GLName name);

// The pixel readers, with the file positioned at offset 12. Both close the file on every path.
bool readRawPixels(Texture* texture, FileReader& file);
bool readRLEPixels(Texture* texture, FileReader& file);
