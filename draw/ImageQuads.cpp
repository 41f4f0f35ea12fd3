#include "draw/ImageQuads.h"

#include "draw/core/ScrollerFootprint.h"

#include <GL/gl.h>
#include <GL/glu.h>

using namespace afterglow;

void showImage(int32_t slot) {
    showImageAt(slot, -1.0f, -1.0f, 2.0f, 2.0f);
}

namespace {
// A quad in clip units from its bottom-left corner (x, y), with texture coordinates from (s0, t0)
// there to (s1, t1) at the top-right, in the colour (r, g, b, a); both matrices kept.
struct Quad {
    float x, y, width, height;
    float s0, t0, s1, t1;
};

// With toClip, the quad's units are carried to clip units by that matrix.
void drawQuad(const Quad& q, float r, float g, float b, float a, const Matrix4* toClip = nullptr) {
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    if (toClip != nullptr) {
        glLoadMatrixf(toClip->data());
    } else {
        glLoadIdentity();
    }
    glColor4f(r, g, b, a);
    glBegin(GL_QUADS);
    glTexCoord2f(q.s0, q.t0);
    glVertex3f(q.x, q.y, 0.0f);
    glTexCoord2f(q.s1, q.t0);
    glVertex3f(q.x + q.width, q.y, 0.0f);
    glTexCoord2f(q.s1, q.t1);
    glVertex3f(q.x + q.width, q.y + q.height, 0.0f);
    glTexCoord2f(q.s0, q.t1);
    glVertex3f(q.x, q.y + q.height, 0.0f);
    glEnd();
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

// A box in screen fractions from the top-left, in clip units from the bottom-left.
Quad clipQuad(const Rect& box) {
    return {2.0f * box.x - 1.0f,
            1.0f - 2.0f * (box.y + box.height),
            2.0f * box.width,
            2.0f * box.height,
            0.0f,
            0.0f,
            1.0f,
            1.0f};
}
} // namespace

void showImageAt(int32_t slot, float x, float y, float width, float height) {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(slot));
    drawQuad({x, y, width, height, 0.0f, 0.0f, 1.0f, 1.0f}, 1.0f, 1.0f, 1.0f, 1.0f);
}

namespace {
// Blending only where it changes a pixel: the software renderer drops what an opaque quad covers,
// and costs as much again for a blended one.
void blendFor(bool translucent) {
    if (translucent) {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    } else {
        glDisable(GL_BLEND);
    }
}
} // namespace

namespace {
// The part picture of the texture named slot, upright, over the quad's place: screen, in clip
// units or the units toClip carries to them.
void showPicturePart(int32_t slot, const Rect& screen, const Rect& picture, bool topRowFirst,
                     bool translucent, float alpha, const Matrix4* toClip) {
    glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_CURRENT_BIT);
    blendFor(translucent || alpha < 1.0f);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(slot));
    // A picture smaller than the screen would show its opposite edge along each edge.
    GLint wrap[2] = {GL_REPEAT, GL_REPEAT};
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &wrap[0]);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, &wrap[1]);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    Quad quad = clipQuad(screen);
    quad.s0 = picture.x;
    quad.s1 = picture.x + picture.width;
    // Texture row 0 is the first stored row: the picture's top or its bottom.
    const float top = picture.y, bottom = picture.y + picture.height;
    quad.t0 = topRowFirst ? bottom : 1.0f - bottom;
    quad.t1 = topRowFirst ? top : 1.0f - top;
    drawQuad(quad, 1.0f, 1.0f, 1.0f, alpha, toClip);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrap[0]);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrap[1]);
    glPopAttrib();
}
} // namespace

void showPicture(int32_t slot, const PicturePlace& place, bool topRowFirst, bool translucent,
                 float alpha) {
    showPicturePart(slot, place.screen, place.picture, topRowFirst, translucent, alpha, nullptr);
}

void showPlane(int32_t slot, const Matrix4& planeToClip, bool topRowFirst, bool translucent,
               float alpha) {
    // The whole screen in box units is the square -1 to 1 in clip units.
    const Rect whole{0.0f, 0.0f, 1.0f, 1.0f};
    showPicturePart(slot, whole, whole, topRowFirst, translucent, alpha, &planeToClip);
}

void showColour(const Rect& box, const float (&colour)[3], float alpha) {
    glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_CURRENT_BIT);
    blendFor(alpha < 1.0f);
    glDisable(GL_TEXTURE_2D);
    drawQuad(clipQuad(box), colour[0], colour[1], colour[2], alpha);
    glPopAttrib();
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
