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
} // namespace

void beginOverlay() {
    glPushAttrib(GL_ENABLE_BIT | GL_TRANSFORM_BIT | GL_VIEWPORT_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_FOG);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluOrtho2D(0, 320, 200, 0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
}

void endOverlay() {
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glPopAttrib();
}

void printText(int x, int y, int width, int height, const std::string& text, int font) {
    const int saved = currentFont();
    setCurrentFont(font);
    ScopeExit restore{[saved] { setCurrentFont(saved); }};
    drawText(x, y, width, height, text);
}

void drawText(int x, int y, int width, int height, const std::string& text) {
    beginOverlay();
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
