// DataFolder: where the data files are. Programs name them as "data/<file>"; the folder chosen
// takes the place of "data": one given on the command line, else "data" in the working
// directory, else the installed data folder.
#pragma once

#include <string>
#include <vector>

// Chooses the folder: given when it is not empty; else "data" in the working directory when it
// is a folder; else the first of installed that is. tried lists the folders looked at. False when
// none was found (the folder is then "data", and loads fail with their usual reports).
bool chooseDataFolder(const std::string& given, const std::vector<std::string>& installed,
                      std::vector<std::string>& tried);

// The folders tried, as one line: "data, /usr/share/games/afterglow".
std::string joinFolders(const std::vector<std::string>& folders);

// The path to open for a data file named "data/<file>"; other names are returned unchanged.
std::string dataPath(const std::string& name);
