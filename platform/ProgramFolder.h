/// @file
/// ProgramFolder: where the running program's own file is, so that an installed program finds
/// its data relative to itself, wherever the installation was put.
#pragma once

#include <string>
#include <vector>

/// The folder of the running executable, or "" when the system cannot tell.
std::string programFolder();

/// Where a program looks for its data after data/ in the working directory: data/ beside the
/// program (the build tree's, where the build generates it), then the installed data folder,
/// found from the program's folder (INTRO_DATA_FROM_PROGRAM, set at build time: the way from the
/// programs' folder to the data's, as installed).
std::vector<std::string> programDataFolders();
