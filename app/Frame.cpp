#include "app/Frame.h"

#include "app/Keyboard.h"
#include "draw/ImageQuads.h"

#include <GL/gl.h>

#include <cstdio>

SceneDrawing planFrame(DemoState& state, uint32_t now) {
    advanceTimeline(state, now);
    return sceneDrawing(state.scene, now - sceneStart(state.scene));
}

void handleMessage(DemoState& state, std::optional<uint32_t> message, uint32_t now) {
    if (message && applyKeyMessage(state, *message)) {
        std::printf("%i\n", static_cast<int>(now));
        std::fflush(stdout);
    }
}

void frame(DemoState& state, uint32_t now, MessageSource removemessage) {
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    SceneDrawing drawing = planFrame(state, now);
    if (drawing.image >= 0) {
        showImage(state.imageslots[drawing.image]);
    }
    if (drawing.scroller) {
        scrollerPlane(drawing.scrollposition);
    }
    handleMessage(state, removemessage(), now);
}
