// DataFolder: where the data files are. Programs name them as "data/<file>", relative to the
// working directory; a folder chosen on the command line takes the place of "data".
#pragma once

#include <string>

// Chooses the folder; empty keeps "data" in the working directory.
void setDataFolder(const std::string& folder);

// The path to open for a data file named "data/<file>"; other names are returned unchanged.
std::string dataPath(const std::string& name);
