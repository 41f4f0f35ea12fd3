// Scratch files for tests: a fresh folder per test process, removed at exit.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A path in this process's scratch folder.
std::string scratchPath(const std::string& name);

// Writes bytes (or text) to a scratch file and returns its path.
std::string writeScratchFile(const std::string& name, const std::vector<uint8_t>& bytes);
std::string writeScratchFile(const std::string& name, const std::string& text);

// A file's bytes; empty when it cannot be read.
std::string readFile(const std::string& path);

// Runs a shell command and returns its exit status.
int runCommand(const std::string& command);
