#include "app/Frame.h"

#include "draw/ImageQuads.h"

#include <GL/gl.h>

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

void drawSceneScroller(const DemoState& state, const SceneDrawing& drawing) {
    if (drawing.scroller) {
        scrollerPlane(drawing.scrollPosition, state.imageSlots[drawing.text]);
    }
}

void drawScene(const DemoState& state, const SceneDrawing& drawing) {
    drawSceneImage(state, drawing);
    drawSceneScroller(state, drawing);
}

void resetPicture(const Show& show, const DemoState& state, uint32_t time) {
    glDisable(GL_BLEND);
    DemoState replay = state;
    replay.scene = 0;
    for (uint32_t t : warmUpTimes(show, time)) {
        drawScene(replay, planFrame(show, replay, t));
    }
}
