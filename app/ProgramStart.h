// ProgramStart: how the programs that play the show begin and end, one way for all: standard
// streams closed at start kept closed to writes, a closed pipe a failed write to report rather
// than a silent death, the options' mistakes, --help and --version answered alike, the data
// folder and the show chosen, and no exception leaving main.
#pragma once

#include "base/DataFolder.h"
#include "rules/Show.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// Runs a program's body with the name it was started by and its arguments; an exception that
// escapes the body (out of memory, a surprise) ends it with one line and exit code 1.
int runProgram(int argc, char** argv, const std::string& fallbackName,
               const std::function<int(const std::string& program,
                                       const std::vector<std::string>& args)>& body);

// What to do about data that is not there, for the lines that say so.
extern const char* const kDataHint;

// A mistake in the options: one line naming it, then the usage; exit code 2.
int refuseOptions(const std::string& program, const std::string& error, const std::string& usage);

// The usage or the version, printed: exit code 0, or 1 (said) when standard output took none.
int answer(const std::string& program, const std::string& text);

// The data folder (the one given, else data/, else the installed one) and the show to play (the
// timeline file given, else the built-in timeline). A data folder is needed for the built-in
// timeline: without one, a program that needs it fails (exit code 1, returned), one that does
// not only says which folders it tried. A timeline file that cannot be read fails.
std::optional<int> chooseShowAndData(const std::string& program, const std::string& dataGiven,
                                     const std::string& timeline, bool needData,
                                     afterglow::DataFolder& data, Show& show);
