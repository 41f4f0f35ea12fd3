// Session: the intro's start-up on an offscreen context of the requested size, as a capture
// begins it, and how a capture ends: its failures and its exit codes.
#pragma once

#include "app/ShaderLibrary.h"
#include "base/DataFolder.h"
#include "platform/HeadlessContext.h"
#include "resources/TextureLibrary.h"
#include "rules/DemoState.h"
#include "rules/Show.h"
#include "text/FontSet.h"
#include "tools/capture/CaptureOptions.h"

#include <cstdint>
#include <optional>
#include <string>

// The intro's start-up on a context of the requested size: the image list loaded, then the
// data's fonts for a show that writes text and the shader layers' programs, and the scenes
// before "until" replayed. The
// textures go before the context that holds them.
struct Session {
    Session(const CaptureOptions& options, const Show& show, const afterglow::DataFolder& data,
            uint32_t until);
    afterglow::HeadlessContext context;
    TextureLibrary textures;
    afterglow::CurrentTextureLibrary current{textures};
    std::optional<FontSet> fonts;
    std::optional<afterglow::CurrentFontSet> currentFonts;
    ShaderLibrary shaders;
    CurrentShaderLibrary currentShaders{shaders};
    bool shadersBuilt = true; // false after a shader layer's file was reported
    DemoState state;
    std::string missing; // which images did not load, drawn untextured; empty when all did
};

// The exit code of a capture written whole: kExitDone, or kExitImagesMissing, said in one line,
// when some pictures are drawn without their image.
int writtenWhole(const std::string& program, const Session& session, const char* what);

// Says why a capture failed, under the program's name; the exit code, 1.
int failCapture(const std::string& program, const std::string& message);
