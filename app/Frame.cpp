#include "app/Frame.h"

#include "app/ShaderLibrary.h"
#include "draw/ImageQuads.h"
#include "resources/TextureLibrary.h"
#include "text/FontSet.h"
#include "text/TextPrinter.h"

#include <GL/gl.h>

#include <cmath>

using namespace afterglow;

void drawSceneImage(const DemoState& state, const SceneDrawing& drawing) {
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    if (drawing.image >= 0) {
        showImage(state.imageSlots[drawing.image]);
    }
}

namespace {
void drawLayer(const DemoState& state, const LayerDrawing& layer) {
    if (!(layer.alpha > 0.0f)) {
        return; // it would change no pixel
    }
    const Rect box{layer.box[0], layer.box[1], layer.box[2], layer.box[3]};
    const float colour[3] = {layer.colour[0] / 255.0f, layer.colour[1] / 255.0f,
                             layer.colour[2] / 255.0f};
    switch (layer.kind) {
    case LayerKind::Picture: {
        const int32_t slot = state.imageSlots[layer.image];
        const Texture* texture = getTexture(slot);
        GLint viewport[4] = {0, 0, 1, 1};
        glGetIntegerv(GL_VIEWPORT, viewport);
        const float aspect =
            texture ? static_cast<float>(texture->width()) / static_cast<float>(texture->height())
                    : 0.0f;
        showPicture(slot,
                    placePicture(box, layer.fit, aspect,
                                 static_cast<float>(viewport[2]) / static_cast<float>(viewport[3])),
                    texture && texture->topRowFirst(), texture && texture->bpp() == 32,
                    layer.alpha);
        break;
    }
    case LayerKind::Plane: {
        const int32_t slot = state.imageSlots[layer.image];
        const Texture* texture = getTexture(slot);
        GLint viewport[4] = {0, 0, 1, 1};
        glGetIntegerv(GL_VIEWPORT, viewport);
        const float aspect = static_cast<float>(viewport[2]) / static_cast<float>(viewport[3]);
        showPlane(slot, planeToClip(layer.camera, layer.plane, aspect),
                  texture && texture->topRowFirst(), texture && texture->bpp() == 32, layer.alpha);
        break;
    }
    case LayerKind::Shader:
        if (const ShaderLayer* shader = currentShader(layer.shader)) {
            std::array<int32_t, 4> pictures{};
            std::array<bool, 4> topFirst{};
            for (size_t n = 0; n < pictures.size(); ++n) {
                pictures[n] = layer.pictures[n] >= 0 ? state.imageSlots[layer.pictures[n]] : 0;
                const Texture* texture = getTexture(pictures[n]);
                topFirst[n] = texture != nullptr && texture->topRowFirst();
            }
            shader->draw(box, {layer.clockSeconds, layer.sceneSeconds, layer.beat}, pictures,
                         topFirst, layer.alpha);
        }
        break;
    case LayerKind::Colour:
        showColour(box, colour, layer.alpha);
        break;
    case LayerKind::Text:
        if (layer.font < fontCount()) {
            glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_CURRENT_BIT);
            glEnable(GL_BLEND);
            glColor4f(colour[0], colour[1], colour[2], layer.alpha);
            // The box in the units of an overlay the text's size makes: x and widths in 320ths,
            // y and heights in 200ths of the screen, at size 1.
            int place[4];
            for (size_t n = 0; n < 4; ++n) {
                place[n] = static_cast<int>(
                    std::lround(layer.box[n] * (n % 2 == 0 ? 320.0f : 200.0f) / layer.size));
            }
            printTextSized(layer.size, place[0], place[1], place[2], place[3], layer.text,
                           layer.font);
            glPopAttrib();
        }
        break;
    }
}
} // namespace

void drawSceneOverImage(const DemoState& state, const SceneDrawing& drawing) {
    if (drawing.scroller) {
        scrollerPlane(drawing.scrollPosition, state.imageSlots[drawing.text]);
    }
    for (const LayerDrawing& layer : drawing.layers) {
        drawLayer(state, layer);
    }
}

void drawScene(const DemoState& state, const SceneDrawing& drawing) {
    drawSceneImage(state, drawing);
    drawSceneOverImage(state, drawing);
}

void resetPicture(const Show& show, const DemoState& state, uint32_t time) {
    glDisable(GL_BLEND);
    DemoState replay = state;
    replay.scene = 0;
    for (uint32_t t : warmUpTimes(show, time)) {
        drawScene(replay, planFrame(show, replay, t));
    }
}
