#include "tools/assets/Canvas.h"

#include <algorithm>
#include <cmath>

namespace {
float clamp01(float v) {
    return std::min(1.0f, std::max(0.0f, v));
}

// Distance from point p to segment ab.
float segmentDistance(float px, float py, float ax, float ay, float bx, float by) {
    float dx = bx - ax, dy = by - ay;
    float length = dx * dx + dy * dy;
    float t = length > 0 ? clamp01(((px - ax) * dx + (py - ay) * dy) / length) : 0.0f;
    float ex = ax + t * dx - px, ey = ay + t * dy - py;
    return std::sqrt(ex * ex + ey * ey);
}

uint32_t nextRandom(uint32_t& state) {
    state = state * 1664525u + 1013904223u;
    return state >> 8;
}
} // namespace

Colour mix(Colour a, Colour b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
            a.a + (b.a - a.a) * t};
}

Colour rgb(int hex, float alpha) {
    return {((hex >> 16) & 0xFF) / 255.0f, ((hex >> 8) & 0xFF) / 255.0f, (hex & 0xFF) / 255.0f,
            alpha};
}

Canvas::Canvas(int width, int height, Colour fill)
    : m_width(width), m_height(height), m_pixels(static_cast<size_t>(width) * height, fill) {}

void Canvas::blend(int x, int y, Colour c, float coverage) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height || coverage <= 0) {
        return;
    }
    float t = clamp01(coverage) * c.a;
    Colour& p = at(x, y);
    p = {p.r + (c.r - p.r) * t, p.g + (c.g - p.g) * t, p.b + (c.b - p.b) * t,
         p.a + (1.0f - p.a) * t};
}

void Canvas::add(int x, int y, Colour c, float amount) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) {
        return;
    }
    Colour& p = at(x, y);
    p.r += c.r * amount;
    p.g += c.g * amount;
    p.b += c.b * amount;
}

void Canvas::verticalGradient(Colour top, Colour bottom) {
    for (int y = 0; y < m_height; ++y) {
        Colour c = mix(top, bottom, static_cast<float>(y) / static_cast<float>(m_height - 1));
        for (int x = 0; x < m_width; ++x) {
            at(x, y) = c;
        }
    }
}

void Canvas::rect(float x0, float y0, float x1, float y1, Colour c) {
    for (int y = std::max(0, static_cast<int>(y0));
         y < std::min(m_height, static_cast<int>(std::ceil(y1))); ++y) {
        for (int x = std::max(0, static_cast<int>(x0));
             x < std::min(m_width, static_cast<int>(std::ceil(x1))); ++x) {
            float cx = clamp01(std::min(x + 1.0f, x1) - std::max(static_cast<float>(x), x0));
            float cy = clamp01(std::min(y + 1.0f, y1) - std::max(static_cast<float>(y), y0));
            blend(x, y, c, cx * cy);
        }
    }
}

void Canvas::disc(float cx, float cy, float radius, Colour c) {
    ring(cx, cy, radius / 2, radius, c);
}

void Canvas::ring(float cx, float cy, float radius, float thickness, Colour c) {
    int x0 = static_cast<int>(cx - radius - thickness - 1),
        x1 = static_cast<int>(cx + radius + thickness + 2);
    int y0 = static_cast<int>(cy - radius - thickness - 1),
        y1 = static_cast<int>(cy + radius + thickness + 2);
    for (int y = std::max(0, y0); y < std::min(m_height, y1); ++y) {
        for (int x = std::max(0, x0); x < std::min(m_width, x1); ++x) {
            float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy);
            blend(x, y, c, clamp01(thickness / 2 + 0.5f - std::fabs(d - radius)));
        }
    }
}

void Canvas::line(float x0, float y0, float x1, float y1, float width, Colour c) {
    int left = static_cast<int>(std::min(x0, x1) - width - 1),
        right = static_cast<int>(std::max(x0, x1) + width + 2);
    int top = static_cast<int>(std::min(y0, y1) - width - 1),
        bottom = static_cast<int>(std::max(y0, y1) + width + 2);
    for (int y = std::max(0, top); y < std::min(m_height, bottom); ++y) {
        for (int x = std::max(0, left); x < std::min(m_width, right); ++x) {
            float d = segmentDistance(x + 0.5f, y + 0.5f, x0, y0, x1, y1);
            blend(x, y, c, clamp01(width / 2 + 0.5f - d));
        }
    }
}

void Canvas::polygon(const std::vector<float>& xy, Colour c) {
    const size_t n = xy.size() / 2;
    float minx = m_width, maxx = 0, miny = m_height, maxy = 0, area = 0;
    for (size_t i = 0; i < n; ++i) {
        size_t j = (i + 1) % n;
        minx = std::min(minx, xy[2 * i]), maxx = std::max(maxx, xy[2 * i]);
        miny = std::min(miny, xy[2 * i + 1]), maxy = std::max(maxy, xy[2 * i + 1]);
        area += xy[2 * i] * xy[2 * j + 1] - xy[2 * j] * xy[2 * i + 1];
    }
    const float winding = area < 0 ? -1.0f : 1.0f;
    for (int y = std::max(0, static_cast<int>(miny) - 1);
         y < std::min(m_height, static_cast<int>(maxy) + 2); ++y) {
        for (int x = std::max(0, static_cast<int>(minx) - 1);
             x < std::min(m_width, static_cast<int>(maxx) + 2); ++x) {
            // Distance inside the nearest edge of the convex polygon; negative outside.
            float inside = 1e9f;
            for (size_t i = 0; i < n; ++i) {
                size_t j = (i + 1) % n;
                float ax = xy[2 * i], ay = xy[2 * i + 1];
                float ex = xy[2 * j] - ax, ey = xy[2 * j + 1] - ay, length = std::hypot(ex, ey);
                if (length > 0) {
                    float side = ((x + 0.5f - ax) * ey - (y + 0.5f - ay) * ex) / length;
                    inside = std::min(inside, -side * winding);
                }
            }
            blend(x, y, c, clamp01(inside + 0.5f));
        }
    }
}

void Canvas::glow(float cx, float cy, float radius, Colour c, float intensity) {
    int r = static_cast<int>(radius * 3);
    for (int y = std::max(0, static_cast<int>(cy) - r);
         y < std::min(m_height, static_cast<int>(cy) + r); ++y) {
        for (int x = std::max(0, static_cast<int>(cx) - r);
             x < std::min(m_width, static_cast<int>(cx) + r); ++x) {
            float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy) / radius;
            add(x, y, c, intensity / (1.0f + d * d * 4.0f) * clamp01(3.0f - d));
        }
    }
}

void Canvas::stars(int count, uint32_t seed, float brightness, float horizon) {
    constexpr float kLargest = 2.0f;
    // A glow reaches three times its size: the largest star's stays clear of the horizon.
    const auto rows = static_cast<uint32_t>(std::max(1.0f, horizon - 3 * kLargest));
    uint32_t state = seed;
    for (int i = 0; i < count; ++i) {
        float x = static_cast<float>(nextRandom(state) % static_cast<uint32_t>(m_width));
        float y = static_cast<float>(nextRandom(state) % rows);
        float size =
            0.4f + static_cast<float>(nextRandom(state) % 100) / 100.0f * (kLargest - 0.4f);
        Colour tint =
            mix(rgb(0xAFC8FF), rgb(0xFFE8C0), static_cast<float>(nextRandom(state) % 100) / 100.0f);
        glow(x, y, size, tint, brightness * size * 0.8f);
    }
}

void Canvas::vignetteAlpha(float inner) {
    float cx = m_width / 2.0f, cy = m_height / 2.0f;
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            float d = std::hypot((x + 0.5f - cx) / cx, (y + 0.5f - cy) / cy) / std::sqrt(2.0f);
            at(x, y).a *= clamp01((1.0f - d) / (1.0f - inner));
        }
    }
}

namespace {
// Averages n values a stride apart into m, each output the mean of the span of input it covers.
void resampleLine(const Colour* in, int n, int stride, Colour* out, int m, int outStride) {
    const float step = static_cast<float>(n) / static_cast<float>(m);
    for (int j = 0; j < m; ++j) {
        const float start = j * step, end = start + step;
        Colour sum{0, 0, 0, 0};
        for (int i = static_cast<int>(start); i < n && static_cast<float>(i) < end; ++i) {
            const float weight = std::min(end, i + 1.0f) - std::max(start, static_cast<float>(i));
            const Colour& c = in[static_cast<ptrdiff_t>(i) * stride];
            sum = {sum.r + c.r * weight, sum.g + c.g * weight, sum.b + c.b * weight,
                   sum.a + c.a * weight};
        }
        out[static_cast<ptrdiff_t>(j) * outStride] = {sum.r / step, sum.g / step, sum.b / step,
                                                      sum.a / step};
    }
}
} // namespace

Canvas Canvas::resampled(int width, int height) const {
    Canvas across(width, m_height), result(width, height);
    for (int y = 0; y < m_height; ++y) {
        resampleLine(&at(0, y), m_width, 1, &across.at(0, y), width, 1);
    }
    for (int x = 0; x < width; ++x) {
        resampleLine(&across.at(x, 0), m_height, width, &result.at(x, 0), height, width);
    }
    return result;
}

TGAImage Canvas::toImage(int bytesPerPixel, bool bottomUp) const {
    static const float bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    TGAImage image{m_width, m_height, bytesPerPixel, {}, !bottomUp};
    image.pixels.reserve(static_cast<size_t>(m_width) * m_height * bytesPerPixel);
    for (int row = 0; row < m_height; ++row) {
        int y = bottomUp ? m_height - 1 - row : row;
        for (int x = 0; x < m_width; ++x) {
            const Colour& p = at(x, y);
            float threshold = (bayer[y & 3][x & 3] + 0.5f) / 16.0f;
            for (float v : {p.r, p.g, p.b}) {
                image.pixels.push_back(
                    static_cast<uint8_t>(std::floor(clamp01(v) * 255.0f + threshold)));
            }
            if (bytesPerPixel == 4) {
                image.pixels.push_back(static_cast<uint8_t>(std::lround(clamp01(p.a) * 255.0f)));
            }
        }
    }
    return image;
}
