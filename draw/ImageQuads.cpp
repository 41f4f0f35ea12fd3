#include "draw/ImageQuads.h"

#include "draw/core/ScrollerFootprint.h"

#include <GL/gl.h>
#include <GL/glu.h>

void showImage(int32_t slot) {
    showImageAt(slot, -1.0f, -1.0f, 2.0f, 2.0f);
}

void showImageAt(int32_t slot, float x, float y, float width, float height) {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(slot));
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(x, y, 0.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(x + width, y, 0.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(x + width, y + height, 0.0f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(x, y + height, 0.0f);
    glEnd();
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

void scrollerProjection() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    // Near plane 0 flattens depth; nothing reads depth. The aspect ignores the screen's shape.
    gluPerspective(90.0, kScrollerAspect, 0.0, -kScrollerFarZ);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glEnable(GL_BLEND);
}

void scrollerPlane(float position, int32_t text) {
    glEnable(GL_BLEND);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(text));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    scrollerProjection();
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, position - 1.0f);
    glVertex3f(-kScrollerHalfWidth, kScrollerFarY, kScrollerFarZ);
    glTexCoord2f(1.0f, position - 1.0f);
    glVertex3f(kScrollerHalfWidth, kScrollerFarY, kScrollerFarZ);
    glTexCoord2f(1.0f, position);
    glVertex3f(kScrollerHalfWidth, kScrollerNearY, 0.0f);
    glTexCoord2f(0.0f, position);
    glVertex3f(-kScrollerHalfWidth, kScrollerNearY, 0.0f);
    glEnd();
}
