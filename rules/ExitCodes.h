// ExitCodes: what the exit codes of the intro and the capture tool mean, in one table that their
// code, their --help and (held to it by a test) their manual pages and the README follow. A row
// gives each program's meaning; an empty one is a code that program never ends with.
#pragma once

#include <string>

// X(name, code, the intro's meaning, the capture's meaning)
#define INTRO_EXIT_CODES(X)                                                                        \
    X(kExitDone, 0, "the timeline ended, or Escape, a window-close or Ctrl-C ended it",            \
      "the still or video was written whole")                                                      \
    X(kExitFailed, 1,                                                                              \
      "the music, the window or the timeline file failed: one line says which, and where",         \
      "a failure, said in one line; the output file is as it was")                                 \
    X(kExitOptions, 2, "a mistake in the options: a line naming it, then the usage",               \
      "a mistake in the options: a line naming it, then the usage")                                \
    X(kExitImagesMissing, 3, "",                                                                   \
      "written, but not every image loaded: one line names them, and they show white")             \
    X(kExitSignalled, 128,                                                                         \
      "ended by a signal it does not take as a quit (SIGHUP, or Ctrl-C before the window opens): " \
      "128 + the signal",                                                                          \
      "interrupted: 128 + the signal (129 SIGHUP, 130 SIGINT, 143 SIGTERM); the video holds "      \
      "the frames made so far, a still is not written")

#define INTRO_EXIT_CODE(name, code, intro, capture) constexpr int name = code;
INTRO_EXIT_CODES(INTRO_EXIT_CODE)
#undef INTRO_EXIT_CODE

enum class ExitCodeProgram { Intro, Capture };

// "Exit codes:" and each code the program ends with and its meaning, wrapped to 79 columns, for
// its --help.
std::string exitCodesText(ExitCodeProgram program);
