#include "text/TextPrinter.h"

#include "text/FontSet.h"
#include "text/core/TextLayout.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace {
// Runs a clean-up when it leaves scope, on an exception as on a return.
template <class F> struct ScopeExit {
    F cleanup;
    ~ScopeExit() { cleanup(); }
};
template <class F> ScopeExit(F) -> ScopeExit<F>;

void emitGlyph(const GlyphQuad& q) {
    glBegin(GL_QUADS);
    glTexCoord2f(q.s0, q.t0);
    glVertex2i(q.left, q.top);
    glTexCoord2f(q.s1, q.t0);
    glVertex2i(q.right, q.top);
    glTexCoord2f(q.s1, q.t1);
    glVertex2i(q.right, q.bottom);
    glTexCoord2f(q.s0, q.t1);
    glVertex2i(q.left, q.bottom);
    glEnd();
}

// The overlay, width x height units over the whole viewport.
void beginOverlayOf(double width, double height) {
    glPushAttrib(GL_ENABLE_BIT | GL_TRANSFORM_BIT | GL_VIEWPORT_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_FOG);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluOrtho2D(0, width, height, 0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
}

// Text with the current font on an overlay of 320 / size x 200 / size units.
void drawTextSized(double size, int x, int y, int width, int height, const std::string& text) {
    beginOverlayOf(320.0 / size, 200.0 / size);
    ScopeExit pop{[] { endOverlay(); }}; // also when the font lookup throws
    if (getFontSetSingleton() == nullptr) {
        return; // no font set to print with
    }
    FontSet& fonts = *getFontSetSingleton();
    const int font = fonts.currentFont();
    const Texture* atlas = fonts.atlas(font); // throws outside the list
    if (atlas == nullptr) {
        return; // the atlas did not load: nothing to draw with
    }
    const FontMetrics metrics{static_cast<int>(atlas->width() / 16),
                              static_cast<int>(atlas->height() / 16), fonts.xSpace(font),
                              fonts.ySpace(font)};
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, atlas->texId());
    layoutText({x, y, width, height}, text, metrics, emitGlyph);
}
} // namespace

void beginOverlay() {
    beginOverlayOf(320, 200);
}

void endOverlay() {
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glPopAttrib();
}

void printText(int x, int y, int width, int height, const std::string& text, int font) {
    printTextSized(1.0f, x, y, width, height, text, font);
}

void drawText(int x, int y, int width, int height, const std::string& text) {
    drawTextSized(1.0, x, y, width, height, text);
}

void printTextSized(float size, int x, int y, int width, int height, const std::string& text,
                    int font) {
    const int saved = currentFont();
    setCurrentFont(font);
    ScopeExit restore{[saved] { setCurrentFont(saved); }};
    drawTextSized(size, x, y, width, height, text);
}
