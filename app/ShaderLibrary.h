// ShaderLibrary: the programs of the shader layers of the show that plays, one for each file. A
// file that does not read or build is reported once on standard error, as FILE:LINE: the
// driver's message; the program built before from the same file, or nothing, draws meanwhile.
// The frame step draws with the library made current (CurrentShaderLibrary).
#pragma once

#include "draw/ShaderLayer.h"

#include <cstddef>
#include <string>
#include <vector>

class ShaderLibrary {
  public:
    // Builds the programs of these files, keeping those already built from a file of the same
    // path; false when any did not build.
    bool load(const std::vector<std::string>& paths);
    // Builds the file at index n again (it changed); false when it did not build.
    bool reload(size_t n);
    // The program of shader n, null for none or one never built.
    const afterglow::ShaderLayer* get(int n) const;

  private:
    bool build(size_t n);

    std::vector<std::string> m_paths;
    std::vector<afterglow::ShaderLayer> m_layers;
};

// Makes a library the one the frame step draws shader layers with, while it lives.
class CurrentShaderLibrary {
  public:
    explicit CurrentShaderLibrary(const ShaderLibrary& library);
    ~CurrentShaderLibrary();
    CurrentShaderLibrary(const CurrentShaderLibrary&) = delete;
    CurrentShaderLibrary& operator=(const CurrentShaderLibrary&) = delete;

  private:
    const ShaderLibrary* m_previous;
};

// The current library's program of shader n; null without a library.
const afterglow::ShaderLayer* currentShader(int n);
