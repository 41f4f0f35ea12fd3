#include "TestFiles.h"

#include "draw/core/ShaderSource.h"

#include <gtest/gtest.h>

#include <vector>

using namespace afterglow;

namespace {

// A driver's log as one line naming the file's own line.
TEST(ShaderSource, ADriversLogBecomesOneLineNamingTheFilesLine) {
    // clang-format off
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"0:12(3): error: syntax error, unexpected ';'\n0:13(1): error: more\n", "p.frag:12: error: syntax error, unexpected ';'"},
        {"ERROR: 0:7: 'x' : undeclared identifier\nERROR: 1 compilation errors.\n", "p.frag:7: ERROR: 'x' : undeclared identifier"},
        {"error: linking with uncompiled shader", "p.frag: error: linking with uncompiled shader"},
        {"0:2(12): warning: extension unsupported\n0:5(3): error: `x' undeclared\n", "p.frag:5: error: `x' undeclared"},
        {"10:2(4): error: in another source", "p.frag: 10:2(4): error: in another source"},
    };
    // clang-format on
    for (const auto& [log, line] : cases) {
        EXPECT_EQ(shaderReport("p.frag", log), line);
    }
}

// What the layers are given, before a file's text, compiles as GLSL ES 1.00 (the browser's):
// a file in the subset checks clean and one beyond it does not, its line named as the file's.
TEST(ShaderSource, TheDeclarationsAndAFileCheckAsGLSLES100) {
    const std::string good = "void main() {\n"
                             "    vec4 seen = texture2D(picture0, uv) + texture2D(picture3, uv);\n"
                             "    gl_FragColor = seen * sin(time + scene_time + beat) +\n"
                             "                   vec4(uv * resolution, 0.0, 1.0);\n"
                             "}\n";
    const std::string beyond =
        "void main() {\n    int odd = 5 % 2;\n    gl_FragColor = vec4(1.0);\n}\n";
    const std::string checked = scratchPath("checked.txt");
    // The gallery's shader too.
    for (const std::string& text :
         {good, readFile(INTRO_SOURCE_DIR "/examples/intros/shader/plasma.frag")}) {
        EXPECT_EQ(runCommand("glslangValidator " +
                             writeScratchFile("good.frag", shaderLayerFragment(text)) + " >" +
                             checked),
                  0)
            << readFile(checked);
    }
    EXPECT_NE(runCommand("glslangValidator " +
                         writeScratchFile("beyond.frag", shaderLayerFragment(beyond)) + " >" +
                         checked),
              0);
    EXPECT_NE(readFile(checked).find("ERROR: 0:2:"), std::string::npos)
        << "at the file's own line: " << readFile(checked);
}

} // namespace
