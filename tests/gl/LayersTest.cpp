#include "GLTestSupport.h"
#include "TestData.h"
#include "TestFiles.h"

#include "app/Frame.h"
#include "app/ShaderLibrary.h"
#include "resources/TextureLibrary.h"
#include "rules/TimelineFile.h"
#include "text/FontSet.h"
#include "tools/common/PNGWriter.h"
#include "tools/common/TGAWriter.h"

#include <GL/glu.h>

#include <algorithm>

using namespace afterglow;

namespace {

constexpr RGB kBlack = {0, 0, 0};

class SceneLayers : public GLTest {
  protected:
    // Draws the layers alone, over the cleared screen, with the images loaded from files.
    void draw(const std::vector<std::string>& files, const std::vector<LayerDrawing>& layers) {
        for (const std::string& file : files) {
            state.imageSlots.push_back(textures.load(file));
        }
        SceneDrawing drawing;
        drawing.layers = layers;
        drawScene(state, drawing);
        grab();
    }
    const DataFolder data{INTRO_DATA_DIR};
    TextureLibrary textures;
    CurrentTextureLibrary currentTextures{textures};
    DemoState state{false, 0, {}};
};

// A 16 x 16 picture of four 8 x 8 blocks, red, green / blue, white, saved as an image viewer shows
// it in each format and row order: every one stands upright in a layer.
TEST_F(SceneLayers, APictureStandsUprightWhateverItsFormatAndRowOrder) {
    const RGB quarters[4] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
    // Row y of the picture from its top.
    auto picture = [&](bool topFirst) {
        TGAImage image = makeImage(16, 16, 3, [&](int x, int y) {
            const RGB& c = quarters[((topFirst ? y : 15 - y) / 8) * 2 + x / 8];
            return std::array{c[0], c[1], c[2], 255};
        });
        image.topFirst = topFirst;
        return image;
    };
    const std::vector<uint8_t> topFirst = picture(true).pixels;
    std::string error;
    const std::string png = scratchPath("picture.png"), jpeg = scratchPath("picture.jpg");
    ASSERT_TRUE(writePNG(png, 16, 16, topFirst, error)) << error;
    ASSERT_EQ(runCommand("convert " + png + " -quality 100 " + jpeg), 0);
    const std::vector<std::string> files = {
        png,
        jpeg,
        writeScratchFile("top.tga", encodeTGA(picture(true), false)),
        writeScratchFile("bottom.tga", encodeTGA(picture(false), true)),
    };
    for (int n = 0; n < 4; ++n) {
        SCOPED_TRACE(files[n]);
        glClear(GL_COLOR_BUFFER_BIT);
        state.imageSlots.clear();
        draw({files[n]}, {{LayerKind::Picture, 0}});
        // The blocks' insides, clear of where the filter blends them.
        for (int q = 0; q < 4; ++q) {
            const int x = (q % 2) * 32 + 6, y = (q / 2) * 32 + 6;
            EXPECT_TRUE(regionIs(x, y, x + 20, y + 20, quarters[q], 6)) << "quarter " << q;
        }
    }
}

// A wide picture contained in a square screen leaves bands above and below; a black layer at half
// opacity halves what is under it; text shows in its colour inside its box and nowhere else; a
// picture's own alpha blends it even at full opacity.
TEST_F(SceneLayers, ContainedPicturesFadedColoursAndTextKeepToTheirPlaces) {
    TGAImage wide{32, 16, 3, std::vector<uint8_t>(32 * 16 * 3, 255)};
    TGAImage glass{4, 4, 4, repeat(std::vector<uint8_t>{0, 0, 255, 128}, 16)};
    // kind, image, fit, colour, text, font, size, box, alpha
    // clang-format off
    const LayerDrawing contained{LayerKind::Picture, 0, Fit::Contain};
    const LayerDrawing pane{LayerKind::Picture, 1, Fit::Stretch, {255, 255, 255}, "", 0, 1.0f, {0.0f, 0.5f, 1.0f, 0.25f}};
    const LayerDrawing shade{LayerKind::Colour, -1, Fit::Stretch, {0, 0, 0}, "", 0, 1.0f, {0.0f, 0.0f, 1.0f, 0.5f}, 0.5f};
    const LayerDrawing words{LayerKind::Text, -1, Fit::Stretch, {255, 0, 0}, "X", 0, 3.0f, {0.5f, 0.0f, 0.5f, 0.25f}};
    // clang-format on
    FontSet fonts(textures, data);
    CurrentFontSet currentFonts(fonts);
    glClear(GL_COLOR_BUFFER_BIT);
    draw({writeScratchFile("wide.tga", encodeTGA(wide, false)),
          writeScratchFile("glass.tga", encodeTGA(glass, false))},
         {contained, shade, words, pane});
    EXPECT_TRUE(regionIs(0, 0, 32, 15, kBlack)) << "the band above, left of the text";
    EXPECT_FALSE(regionIs(32, 0, 64, 15, kBlack, 100)) << "the text";
    EXPECT_TRUE(regionIs(0, 17, 64, 31, {128, 128, 128})) << "half shaded";
    EXPECT_TRUE(regionIs(0, 33, 64, 47, {127, 127, 255})) << "unshaded, under the glass";
    EXPECT_TRUE(regionIs(0, 49, 64, 64, kBlack)) << "the band below";
}

} // namespace

namespace {

// The scene's drawing at a moment, a timeline of one scene read from text, its one image a solid
// red picture.
class Planes : public SceneLayers {
  protected:
    void read(const std::string& scene, const std::string& top = "",
              const std::string& images = "") {
        const std::string text = top + "soundtrack = 'm.mp3'\n[images]\n" + images + "red = '" +
                                 red() + "'\n[[scene]]\nend = 10000\n" + scene;
        timeline = Timeline();
        std::string error;
        ASSERT_TRUE(parseTimeline(text, "t", timeline, error)) << error;
        state.imageSlots.clear();
        for (const std::string& image : timeline.images) {
            state.imageSlots.push_back(textures.load(image));
        }
    }
    std::vector<std::string> timelineShaders() const { return timeline.shaders; }
    void drawAt(uint32_t elapsed) {
        glClear(GL_COLOR_BUFFER_BIT);
        drawScene(state, timelineDrawing(timeline, 0, elapsed));
        grab();
    }
    static std::string red() {
        const TGAImage image{16, 16, 3, repeat(std::vector<uint8_t>{255, 0, 0}, 16 * 16)};
        return writeScratchFile("red.tga", encodeTGA(image, false));
    }
    Timeline timeline;
};

// With no camera and no place, a plane fills the screen as a picture layer does; keyed to turn a
// quarter about y, it stands edge-on at the end key, and half-way it has left one side.
TEST_F(Planes, APlaneFacesTheViewerThenTurnsEdgeOn) {
    read("[[scene.layer]]\nplane = 'red'\nrotation = [[0, [0, 0, 0]], [1000, [0, 90, 0]]]\n");
    EXPECT_FALSE(timelineDrawing(timeline, 0, 0) == timelineDrawing(timeline, 0, 1000))
        << "a turning plane changes the scene";
    drawAt(0);
    EXPECT_TRUE(regionIs(0, 0, 64, 64, {255, 0, 0})) << "square on: the whole screen";
    drawAt(1000);
    EXPECT_TRUE(regionIs(0, 0, 31, 64, kBlack)) << "edge-on: nothing left of the middle";
    EXPECT_TRUE(regionIs(33, 0, 64, 64, kBlack)) << "edge-on: nothing right of it";
    drawAt(500);
    // Turned by y, the right side goes away from the viewer and the left comes nearer.
    EXPECT_TRUE(regionIs(0, 20, 8, 44, {255, 0, 0})) << "half turned: the near side";
    EXPECT_TRUE(regionIs(52, 0, 64, 64, kBlack)) << "half turned: the far side has left";
}

// A camera keyed along a path sees a placed, turned plane where GLU's own perspective and look-at
// put the same rectangle, at three moments: at a key, between keys, past the last.
TEST_F(Planes, AKeyedCameraSeesThePlaneWhereGLUWouldPutIt) {
    read("[scene.camera]\neye = [[0, [0, 0, 3]], [1000, [2, 1, 3]], [2000, [-1, 2, 2]]]\n"
         "target = [0.2, 0, 0]\nfov = 50\n"
         "[[scene.layer]]\nplane = 'red'\nposition = [0.3, -0.2, 0.5]\nrotation = [10, 20, 30]\n"
         "size = [1.2, 0.8]\n");
    const std::vector<std::pair<uint32_t, std::array<double, 3>>> moments = {
        {1000, {2, 1, 3}}, {500, {1, 0.5, 3}}, {3000, {-1, 2, 2}}};
    for (const auto& [elapsed, eye] : moments) {
        SCOPED_TRACE(elapsed);
        drawAt(elapsed);
        const std::vector<uint8_t> drawn = frame();
        glClear(GL_COLOR_BUFFER_BIT);
        glDisable(GL_TEXTURE_2D);
        glDisable(GL_BLEND);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(50.0, 1.0, 0.01, 1000.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        gluLookAt(eye[0], eye[1], eye[2], 0.2, 0, 0, 0, 1, 0);
        glTranslatef(0.3f, -0.2f, 0.5f);
        glRotatef(10, 1, 0, 0);
        glRotatef(20, 0, 1, 0);
        glRotatef(30, 0, 0, 1);
        glScalef(0.6f, 0.4f, 1.0f);
        glColor3f(1, 0, 0);
        glRectf(-1, -1, 1, 1);
        grab();
        size_t red = 0, differ = 0;
        for (size_t n = 0; n < drawn.size(); n += 3) {
            red += frame()[n] > 128;
            differ += (drawn[n] > 128) != (frame()[n] > 128);
        }
        EXPECT_GT(red, 64u) << "the plane is in view";
        EXPECT_LT(red, 64u * 64u - 200u) << "and not all of it";
        EXPECT_LE(differ, 6u) << "pixels on one side of an edge in one picture, the other in GLU's";
    }
}

} // namespace

namespace {

// A shader layer over its box, given the clock and a picture; a shader that does not build is
// reported as FILE:LINE: and the one built before from the file draws on.
TEST_F(Planes, AShaderLayerDrawsOverItsBoxWithTheClockAndItsPictures) {
    const std::string file = scratchPath("layer.frag");
    auto save = [](const std::string& text) { writeScratchFile("layer.frag", text); };
    // Red from picture0 (solid red), green across the box, blue from the time into the scene.
    save("void main() {\n"
         "    gl_FragColor = vec4(texture2D(picture0, uv).r, uv.x, scene_time / 8.0, 1.0);\n"
         "}\n");
    read("[[scene.layer]]\nshader = '" + file + "'\npictures = ['red']\nbox = [0.5, 0, 0.5, 1]\n",
         "bpm = 120\n");
    ShaderLibrary shaders;
    const CurrentShaderLibrary current(shaders);
    ASSERT_TRUE(shaders.load({file}));
    drawAt(4000);
    EXPECT_TRUE(regionIs(0, 0, 32, 64, kBlack)) << "outside the box";
    EXPECT_TRUE(regionIs(32, 0, 33, 64, {255, 4, 128}, 3)) << "the box's left column, at 4 s";
    EXPECT_TRUE(regionIs(63, 0, 64, 64, {255, 251, 128}, 3)) << "its right column";
    const LayerDrawing drawn = timelineDrawing(timeline, 0, 4000).layers[0];
    EXPECT_EQ(drawn.beat, 8.0f) << "120 bpm: eight beats in four seconds";

    save("void main() {\n    gl_FragColor = vec4(1.0) +;\n}\n");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(shaders.reload(0));
    const std::string report = testing::internal::GetCapturedStderr();
    EXPECT_EQ(report.rfind(file + ":2: ", 0), 0u) << report;
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 1) << report;
    drawAt(4000);
    EXPECT_TRUE(regionIs(32, 0, 33, 64, {255, 4, 128}, 3)) << "the shader built before draws on";
    // A file past 1 MiB is not read at all.
    save("void main() { gl_FragColor = vec4(1.0); }\n//" + std::string(1 << 20, ' ') + "\n");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(shaders.reload(0));
    const std::string large = testing::internal::GetCapturedStderr();
    EXPECT_NE(large.find("larger than 1 MiB"), std::string::npos) << large;
}

// picture() shows a picture upright whichever way its rows are stored: white over black, from a
// PNG (top row first) and from a TGA stored bottom row first.
TEST_F(Planes, AShaderSeesItsPicturesUpright) {
    const TGAImage image = makeImage(8, 8, 3, [](int, int y) {
        return y < 4 ? std::array{255, 255, 255, 255} : std::array{0, 0, 0, 255};
    });
    std::string error;
    const std::string png = scratchPath("halves.png");
    ASSERT_TRUE(writePNG(png, 8, 8, image.pixels, error)) << error;
    TGAImage bottomFirst = makeImage(8, 8, 3, [](int, int y) {
        return y >= 4 ? std::array{255, 255, 255, 255} : std::array{0, 0, 0, 255};
    });
    const std::string tga = writeScratchFile("halves.tga", encodeTGA(bottomFirst, false));
    writeScratchFile("upright.frag", "void main() { gl_FragColor = picture(0, uv); }\n");
    for (const std::string& file : {png, tga}) {
        SCOPED_TRACE(file);
        read("[[scene.layer]]\nshader = '" + scratchPath("upright.frag") +
                 "'\npictures = ['halves']\n",
             "", "halves = '" + file + "'\n");
        ShaderLibrary shaders;
        const CurrentShaderLibrary current(shaders);
        ASSERT_TRUE(shaders.load(timelineShaders()));
        drawAt(0);
        // Clear of the outer half texel, where the filter reaches round to the other edge.
        EXPECT_TRUE(regionIs(6, 6, 58, 26, {255, 255, 255})) << "the top half";
        EXPECT_TRUE(regionIs(6, 38, 58, 58, {0, 0, 0})) << "the bottom half";
    }
}

} // namespace
