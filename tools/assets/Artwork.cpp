#include "tools/assets/Artwork.h"

#include "rules/ImageList.h"

#include <cmath>
#include <functional>

namespace {
// 16:9, the common screen's shape, so that circles stay round there. Each subject stands in the
// middle square, which a 4:3 screen's crop or squeeze keeps; backgrounds run the whole width.
// Painted at 1024 x 576 and stored at 768 x 432: smoother edges than painting small, and a
// start-up that uploads little more than the square pictures did.
constexpr int kWidth = 1024;
constexpr int kHeight = 576;
constexpr int kStoredWidth = 768;
constexpr int kStoredHeight = 432;
constexpr float kMiddle = kWidth / 2.0f;
constexpr float kPi = 3.14159265f;

void perspectiveFloor(Canvas& c, float horizon, Colour a, Colour b) {
    // Checker tiles shrinking toward a vanishing point at the horizon's centre.
    const float vx = c.width() / 2.0f;
    for (int row = 0; row < 8; ++row) {
        float t0 = static_cast<float>(row) / 8, t1 = static_cast<float>(row + 1) / 8;
        float y0 = horizon + (c.height() - horizon) * t0 * t0,
              y1 = horizon + (c.height() - horizon) * t1 * t1;
        for (int col = -8; col < 8; ++col) {
            float s0 = col * 101.0f, s1 = (col + 1) * 101.0f;
            std::vector<float> quad = {vx + s0 * t0 * t0, y0, vx + s1 * t0 * t0, y0,
                                       vx + s1 * t1 * t1, y1, vx + s0 * t1 * t1, y1};
            c.polygon(quad, (row + col) % 2 == 0 ? a : b);
        }
    }
}

struct Palette {
    Colour wallTop, wallBottom, tileA, tileB, accent;
};

void lobby(Canvas& c, const Fonts& f, const Palette& p, const std::string& sign) {
    c.verticalGradient(p.wallTop, p.wallBottom);
    perspectiveFloor(c, 338, p.tileA, p.tileB);
    for (int i = 0; i < 6; ++i) { // pillars and ceiling lamps
        float x = 107 + i * 162.0f;
        c.rect(x, 45, x + 20, 338, mix(p.wallBottom, rgb(0x000000), 0.35f));
        c.glow(x + 10, 56, 16, p.accent, 0.9f);
    }
    c.rect(393, 79, 631, 137, rgb(0x0B0F1A));
    c.rect(397, 83, 627, 133, mix(p.accent, rgb(0x000000), 0.75f));
    f.bold.drawCentred(c, kMiddle, 124, sign, 38, p.accent);
    c.rect(562, 281, 753, 349, mix(p.wallBottom, rgb(0x000000), 0.55f)); // reception desk
    c.rect(562, 281, 753, 288, p.accent);
}

void robot(Canvas& c, float x, float y, float scale, float armAngle, Colour eyes) {
    const Colour metal = rgb(0xB8C4D0), dark = rgb(0x56606C);
    c.line(x, y - 80 * scale, x, y - 100 * scale, 3 * scale, dark);
    c.disc(x, y - 102 * scale, 5 * scale, rgb(0xFF5050));
    c.rect(x - 30 * scale, y - 80 * scale, x + 30 * scale, y - 40 * scale, metal);
    c.glow(x - 12 * scale, y - 62 * scale, 5 * scale, eyes, 2.0f);
    c.glow(x + 12 * scale, y - 62 * scale, 5 * scale, eyes, 2.0f);
    c.rect(x - 38 * scale, y - 36 * scale, x + 38 * scale, y + 30 * scale, metal);
    c.rect(x - 24 * scale, y - 24 * scale, x + 24 * scale, y + 10 * scale, dark);
    float ax = std::cos(armAngle) * 45 * scale, ay = -std::sin(armAngle) * 45 * scale;
    c.line(x - 38 * scale, y - 28 * scale, x - 38 * scale - 20 * scale, y + 20 * scale, 9 * scale,
           dark);
    c.line(x + 38 * scale, y - 28 * scale, x + 38 * scale + ax, y - 28 * scale + ay, 9 * scale,
           dark);
    c.line(x - 20 * scale, y + 30 * scale, x - 22 * scale, y + 70 * scale, 11 * scale, dark);
    c.line(x + 20 * scale, y + 30 * scale, x + 22 * scale, y + 70 * scale, 11 * scale, dark);
}

const Palette kDayLobby{rgb(0x20465C), rgb(0x5E8FA3), rgb(0xD9D2C3), rgb(0x8E8577), rgb(0x7FF5FF)};
const Palette kNightLobby{rgb(0x0A0E24), rgb(0x2A2350), rgb(0x3B3560), rgb(0x1C1838),
                          rgb(0xFF7AD9)};

void skyline(Canvas& c, bool night) {
    c.verticalGradient(night ? rgb(0x02030C) : rgb(0x2B1B4A),
                       night ? rgb(0x1A1640) : rgb(0xF08A4B));
    if (night) {
        c.stars(360, 11, 0.8f, kHeight);
    }
    c.disc(640, 158, 52, night ? rgb(0xF4F1DE) : rgb(0xFFD9A0));
    c.glow(640, 158, 68, night ? rgb(0x8090C0) : rgb(0xFF9050), 0.5f);
    uint32_t state = 5;
    for (int b = 0; b < 25; ++b) {
        state = state * 1103515245u + 12345u;
        float x0 = b * 42.0f - 7, height = 135 + static_cast<float>((state >> 16) % 203);
        c.rect(x0, kHeight - height, x0 + 38, kHeight, rgb(night ? 0x07080F : 0x1C1530));
        for (int wy = 0; night && wy < static_cast<int>(height / 20) - 1; ++wy) {
            for (int wx = 0; wx < 3; ++wx) {
                if (((state >> (wy + wx * 7)) & 3) == 0) {
                    c.rect(x0 + 6 + wx * 11, kHeight - height + 11 + wy * 20, x0 + 13 + wx * 11,
                           kHeight - height + 20 + wy * 20, rgb(0xFFD46B));
                }
            }
        }
    }
}

// The dancer of the flip-book: five poses, each a set of limb angles in turns of a circle.
void dancer(Canvas& c, const Fonts& f, int pose, bool finale) {
    static const float poses[6][4] = {{0.15f, 0.35f, 0.05f, -0.05f}, {0.40f, 0.10f, 0.10f, -0.15f},
                                      {0.25f, 0.25f, -0.10f, 0.10f}, {0.55f, 0.45f, 0.00f, 0.20f},
                                      {0.05f, 0.60f, 0.15f, 0.00f},  {0.62f, 0.62f, 0.08f, -0.08f}};
    const float* a = poses[pose];
    c.rect(0, 0, kWidth, kHeight, rgb(0x14101E));
    c.rect(0, 450, kWidth, kHeight, rgb(0x2A1E3A));
    c.polygon({456, 0, 568, 0, 652, 472, 372, 472}, rgb(0x2E2746)); // spotlight cone
    c.disc(kMiddle, 472, 135, rgb(0x3A3156));
    const Colour body = rgb(finale ? 0xFFD166 : 0xF25F5C);
    const float hx = kMiddle, hy = 281; // hips
    c.line(hx, hy, hx, hy - 101, 18, body);
    c.disc(hx, hy - 133, 22.5f, body);
    for (int side = -1; side <= 1; side += 2) {
        float arm = (side < 0 ? a[0] : a[1]) * 2 * kPi, leg = (side < 0 ? a[2] : a[3]) * 2 * kPi;
        c.line(hx, hy - 90, hx + side * 79 * std::cos(arm), hy - 90 - 79 * std::sin(arm), 11, body);
        c.line(hx, hy, hx + side * 34 + 101 * std::sin(leg), hy + 124 * std::cos(leg), 13.5f, body);
    }
    if (finale) {
        uint32_t state = 3;
        for (int i = 0; i < 157; ++i) {
            state = state * 1664525u + 1013904223u;
            float x = static_cast<float>(state % kWidth),
                  y = static_cast<float>((state >> 12) % 427);
            static const int confetti[] = {0x06D6A0, 0x118AB2, 0xEF476F, 0xFFD166};
            c.rect(x, y, x + 7, y + 11, rgb(confetti[(state >> 24) & 3]));
        }
        f.bold.drawCentred(c, kMiddle, 529, "TA-DA!", 45, rgb(0xFFFFFF));
    }
}

void rocket(Canvas& c, bool flight) {
    c.verticalGradient(rgb(0x050A1F), flight ? rgb(0x3B2A5C) : rgb(0x1D3557));
    c.stars(270, 23, 0.7f, kHeight);
    const float x = kMiddle, y = flight ? 225 : 405;
    if (flight) {
        c.glow(x, y + 169, 56, rgb(0xFF8C1A), 2.0f);
        c.polygon({x - 22.5f, y + 112.5f, x + 22.5f, y + 112.5f, x, y + 259}, rgb(0xFFD166));
        for (int i = 0; i < 30; ++i) {
            c.glow(449 + i * 4.5f, 529 + std::sin(i * 1.7f) * 22.5f, 20, rgb(0x555A66), 0.25f);
        }
    } else {
        c.rect(0, 495, kWidth, kHeight, rgb(0x2B2D42));
        c.rect(584, 191, 600, 495, rgb(0x8D99AE)); // tower
        for (int i = 0; i < 9; ++i) {
            c.line(584, 202.5f + i * 32.6f, 600, 220.5f + i * 32.6f, 2.25f, rgb(0x5C677D));
        }
    }
    c.polygon({x - 34, y + 112.5f, x + 34, y + 112.5f, x + 34, y - 112.5f, x - 34, y - 112.5f},
              rgb(0xEDF2F4));
    c.polygon({x - 34, y - 112.5f, x + 34, y - 112.5f, x, y - 191}, rgb(0xEF233C));
    c.polygon({x - 34, y + 45, x - 34, y + 112.5f, x - 74, y + 124}, rgb(0xEF233C));
    c.polygon({x + 34, y + 45, x + 34, y + 112.5f, x + 74, y + 124}, rgb(0xEF233C));
    c.disc(x, y - 45, 20, rgb(0x2B2D42));
    c.disc(x, y - 45, 13.5f, rgb(0x8ECAE6));
}

void credits(Canvas& c, const Fonts& f, const std::string& role,
             const std::vector<std::string>& names) {
    c.rect(0, 0, kWidth, kHeight, rgb(0x101820));
    c.rect(0, 169, kWidth, 173, rgb(0xF2AA4C));
    f.bold.drawCentred(c, kMiddle, 146, role, 61, rgb(0xF2AA4C));
    for (size_t i = 0; i < names.size(); ++i) {
        f.sans.drawCentred(c, kMiddle, 259 + i * 58.5f, names[i], 36, rgb(0xF4F4F4));
    }
}

void hat(Canvas& c, bool rabbit) {
    c.rect(0, 0, kWidth, kHeight, rgb(0x3D0C45));
    c.disc(kMiddle, 288, 225, rgb(0x5A1A63));
    if (rabbit) {
        for (int side = -1; side <= 1; side += 2) {
            c.polygon({kMiddle + side * 22.5f, 225, kMiddle + side * 67.5f, 225,
                       kMiddle + side * 79.0f, 67.5f, kMiddle + side * 45.0f, 56},
                      rgb(0xF5F5F5));
            c.polygon({kMiddle + side * 36.0f, 214, kMiddle + side * 56.0f, 214,
                       kMiddle + side * 63.0f, 90, kMiddle + side * 49.5f, 85.5f},
                      rgb(0xF7B2C4));
        }
    }
    c.rect(422, 202.5f, 602, 405, rgb(0x111111));
    c.rect(422, 360, 602, 387, rgb(0xC1121F));
    c.rect(359, 405, 665, 432, rgb(0x111111));
}

void explosion(Canvas& c) {
    c.verticalGradient(rgb(0x1B0A05), rgb(0x3A120A));
    const float x = kMiddle, y = kHeight / 2.0f;
    uint32_t state = 17;
    for (int i = 0; i < 90; ++i) {
        state = state * 1664525u + 1013904223u;
        float angle = (state % 3600) / 3600.0f * 2 * kPi, length = 135 + (state >> 20) % 158;
        c.line(x, y, x + std::cos(angle) * length, y + std::sin(angle) * length, 2.25f,
               rgb(0xFFB347, 0.7f));
    }
    c.glow(x, y, 101, rgb(0xFF6B1A), 2.2f);
    c.glow(x, y, 45, rgb(0xFFF0A0), 2.5f);
    for (int i = 0; i < 12; ++i) {
        float angle = i * kPi / 6;
        c.glow(x + std::cos(angle) * 124, y + std::sin(angle) * 124, 34, rgb(0xFF4500), 0.8f);
    }
    c.vignetteAlpha(0.35f);
}

// The title card, laid out by the canvas's height and centred across its width: the same
// painter makes the square icon.
void title(Canvas& c, const Fonts& f) {
    const float w = c.width(), h = c.height(), u = h / 512, mid = w / 2, horizon = 300 * u;
    c.verticalGradient(rgb(0x0B0630), rgb(0x5B1E66));
    c.stars(static_cast<int>(140 * w * horizon / (512 * 512 * u * u)), 1, 0.8f, horizon - 4 * u);
    c.glow(mid, horizon, 140 * u, rgb(0xFF4FA3), 0.8f);
    for (int i = -32; i <= 32; ++i) { // a grid running to the horizon
        c.line(mid, horizon, mid + i * 64 * u, h, 2 * u, rgb(0xFF4FA3, 0.6f));
    }
    for (int i = 1; i < 9; ++i) {
        float y = horizon + (h - horizon) * (i * i) / 64.0f;
        c.line(0, y, w, y, 2 * u, rgb(0xFF4FA3, 0.6f));
    }
    c.rect(0, horizon - 4 * u, w, horizon, rgb(0xFFC2E2));
    f.bold.drawCentred(c, mid, 200 * u, "AFTERGLOW", 78 * u, rgb(0xFFFFFF));
    f.sans.drawCentred(c, mid, 246 * u, "an intro in thirteen scenes", 22 * u, rgb(0xFFC2E2));
}

using Painter = std::function<void(Canvas&, const Fonts&)>;

struct Plan {
    int bytesPerPixel;
    bool runLength;
    Painter paint;
};

std::vector<Plan> imagePlans() {
    return {
        {3, false, title}, // 0 intro: the title card
        {3, false,
         [](Canvas& c, const Fonts& f) { // 1 lobby_robot
             lobby(c, f, kDayLobby, "LOBBY");
             robot(c, 472, 405, 1.46f, 0.2f, rgb(0x7FF5FF));
         }},
        {3, false,
         [](Canvas& c, const Fonts& f) { // 2 lobby_roboat: the robot sails in
             lobby(c, f, kDayLobby, "LOBBY");
             c.rect(0, 371, kWidth, kHeight, rgb(0x1F6F8B, 0.85f));
             for (int i = 0; i < 18; ++i) {
                 c.line(22 + i * 56.0f, 405 + (i % 3) * 45.0f, 56 + i * 56.0f,
                        405 + (i % 3) * 45.0f, 3.4f, rgb(0x9AD1D4));
             }
             robot(c, kMiddle, 338, 1.01f, 1.2f, rgb(0x7FF5FF));
             c.polygon({359, 416, 665, 416, 618, 484, 404, 484}, rgb(0xC8553D));
             c.rect(505, 281, 510, 416, rgb(0x3D2C2E));
             c.polygon({510, 281, 595, 371, 510, 371}, rgb(0xF2F4F3));
         }},
        {3, false,
         [](Canvas& c, const Fonts&) { // 3 stjerner: the starfield behind the scroller
             c.verticalGradient(rgb(0x01010A), rgb(0x0B1030));
             c.glow(393, 202, 135, rgb(0x4B2C83), 0.6f);
             c.glow(652, 360, 169, rgb(0x1B4D89), 0.5f);
             c.stars(1575, 7, 1.0f, kHeight);
         }},
        {4, false, nullptr}, // 4 scrolltext, painted by paintScrollText
        {3, false, [](Canvas& c, const Fonts&) { skyline(c, false); }}, // 5 s1: the city at dusk
        {3, false, [](Canvas& c, const Fonts&) { skyline(c, true); }},  // 6 s2: the city at night
        {3, true, [](Canvas& c, const Fonts& f) { dancer(c, f, 0, false); }}, // 7 s3: flip-book
        {3, true, [](Canvas& c, const Fonts& f) { dancer(c, f, 1, false); }}, // 8 s4
        {3, true, [](Canvas& c, const Fonts& f) { dancer(c, f, 2, false); }}, // 9 s5
        {3, true, [](Canvas& c, const Fonts& f) { dancer(c, f, 3, false); }}, // 10 s6
        {3, true, [](Canvas& c, const Fonts& f) { dancer(c, f, 4, false); }}, // 11 s7
        {4, false,
         [](Canvas& c, const Fonts& f) { // 12 s8: the flip-book's last pose
             dancer(c, f, 5, true);
             c.vignetteAlpha(0.45f);
         }},
        {3, false, [](Canvas& c, const Fonts&) { rocket(c, false); }}, // 13 s9: on the pad
        {3, false, [](Canvas& c, const Fonts&) { rocket(c, true); }},  // 14 s10: lift-off
        {3, true,
         [](Canvas& c, const Fonts& f) { // 15 credit1
             credits(c, f, "CODE", {"Ada Lumen", "Bit Harrow", "Cy Register"});
         }},
        {3, true,
         [](Canvas& c, const Fonts& f) { // 16 credit2
             credits(c, f, "GRAPHICS", {"Dot Matrix", "Elle Gradient", "Fen Pixelsson"});
         }},
        {3, true,
         [](Canvas& c, const Fonts& f) { // 17 credit3
             credits(c, f, "MUSIC", {"Gus Oscillator", "", "thanks for watching"});
         }},
        {3, false,
         [](Canvas& c, const Fonts& f) { // 18 lobby2: the robot waves, at night
             lobby(c, f, kNightLobby, "LOBBY");
             robot(c, 562, 405, 1.46f, 1.9f, rgb(0xFF7AD9));
         }},
        {3, false,
         [](Canvas& c, const Fonts& f) { // 19 lobby3: the lobby empty, the door open
             lobby(c, f, kNightLobby, "EXIT");
             c.rect(456, 169, 568, 338, rgb(0xFFF3C4));
             c.glow(kMiddle, 281, 101, rgb(0xFFE29A), 0.9f);
             c.polygon({456, 338, 568, 338, 652, 529, 372, 529}, rgb(0xFFF3C4, 0.35f));
         }},
        {3, true, [](Canvas& c, const Fonts&) { hat(c, false); }}, // 20 hat
        {3, true, [](Canvas& c, const Fonts&) { hat(c, true); }}, // 21 hat1: and out comes a rabbit
        {4, false,
         [](Canvas& c, const Fonts& f) { // 22 hero: a caped figure against the sunrise
             c.verticalGradient(rgb(0x12355B), rgb(0xFFB26B));
             c.glow(kMiddle, 428, 180, rgb(0xFFD08A), 1.2f);
             c.polygon({kMiddle, 169, 652, 529, 372, 529}, rgb(0x7A0C21));
             c.disc(kMiddle, 169, 34, rgb(0x1A1A2E));
             c.polygon({478, 202, 546, 202, 562, 529, 462, 529}, rgb(0x1A1A2E));
             f.bold.drawCentred(c, kMiddle, 68, "HERO", 54, rgb(0xFFFFFF));
             c.vignetteAlpha(0.4f);
         }},
        {3, true,
         [](Canvas& c, const Fonts& f) { // 23 debrief: the report after the mission
             c.rect(0, 0, kWidth, kHeight, rgb(0x1E2A38));
             c.rect(269, 45, 755, 371, rgb(0x0E141B));
             const float bars[] = {135, 202, 101, 259, 180};
             for (int i = 0; i < 5; ++i) {
                 c.rect(314 + i * 90.0f, 349 - bars[i], 370 + i * 90.0f, 349,
                        rgb(i == 3 ? 0xF25F5C : 0x4ECDC4));
             }
             f.bold.draw(c, 278, 428, "DEBRIEF", 45, rgb(0xFFFFFF));
             f.sans.draw(c, 278, 472, "- robot rescued, hat recovered", 22.5f, rgb(0xC9D6DF));
             f.sans.draw(c, 278, 506, "- one rocket, slightly used", 22.5f, rgb(0xC9D6DF));
         }},
        {4, false, [](Canvas& c, const Fonts&) { explosion(c); }}, // 24 eksplo
        {4, false,
         [](Canvas& c, const Fonts&) { // 25 lommekniv: a pocket knife
             c.verticalGradient(rgb(0x2F3E46), rgb(0x52796F));
             c.polygon({359, 338, 505, 259, 697, 169, 719, 191, 528, 304}, rgb(0xD9DEE3));
             c.line(505, 264, 702, 178, 2.25f, rgb(0xFFFFFF, 0.8f));
             c.polygon({325, 338, 348, 304, 562, 304, 584, 338, 562, 371, 348, 371}, rgb(0xC1121F));
             c.rect(438, 326, 472, 349, rgb(0xFFFFFF));
             c.rect(443, 321, 466, 354, rgb(0xFFFFFF));
             c.vignetteAlpha(0.5f);
         }},
    };
}

// The scroll text, stored top row first: it is drawn on the plane with its first stored row at
// the near edge, so it reads upright and in order as it rises away from the viewer.
Canvas paintScrollText(const Fonts& f) {
    Canvas c(512, 1024, Colour{0, 0, 0, 0});
    const std::vector<std::pair<bool, std::string>> lines = {
        {true, "GREETINGS!"},
        {false, "You are watching an intro"},
        {false, "that paints every pixel"},
        {false, "and plays every note"},
        {false, "it was given by its own"},
        {false, "little generator."},
        {true, "NO SAMPLES"},
        {false, "The music is synthesized,"},
        {false, "the pictures are gradients,"},
        {false, "glows and plain shapes,"},
        {false, "dithered down to 8 bits."},
        {true, "KEYS"},
        {false, "Enter skips a scene,"},
        {false, "Space prints the clock,"},
        {false, "Escape leaves."},
        {true, "HELLO TO"},
        {false, "everyone who still reads"},
        {false, "scrollers to the end."},
    };
    float y = 60;
    for (const auto& [heading, text] : lines) {
        if (heading) {
            y += 24;
            f.bold.drawCentred(c, 256, y, text, 48, rgb(0xFFC857));
            y += 62;
        } else {
            f.sans.drawCentred(c, 256, y, text, 34, rgb(0xE9F1F7));
            y += 46;
        }
    }
    return c;
}
} // namespace

std::vector<Artwork> paintArtwork(const Fonts& fonts) {
    std::vector<Artwork> artwork;
    std::vector<Plan> plans = imagePlans();
    for (int n = 0; n < kImageCount; ++n) {
        const Plan& plan = plans[static_cast<size_t>(n)];
        Canvas canvas = plan.paint ? Canvas(kWidth, kHeight) : paintScrollText(fonts);
        if (plan.paint) {
            plan.paint(canvas, fonts);
            canvas = canvas.resampled(kStoredWidth, kStoredHeight);
        }
        artwork.push_back({ImageList[n], plan.bytesPerPixel, plan.runLength, plan.paint != nullptr,
                           std::move(canvas)});
    }
    return artwork;
}

Canvas paintIcon(const Fonts& fonts) {
    Canvas canvas(512, 512);
    title(canvas, fonts);
    return canvas;
}
