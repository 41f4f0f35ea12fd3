/// @file
/// StandardStreams: a program started with standard input, output or error closed would hand
/// their numbers to the next files it opens, and its messages would land in them (a still's
/// pixels after a report). Programs call this first.
#pragma once

/// Opens /dev/null, for reading only, in place of each of descriptors 0, 1 and 2 that is closed.
void keepStandardStreams();
