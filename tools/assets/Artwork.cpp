#include "tools/assets/Artwork.h"

#include "app/core/ImageList.h"

#include <cmath>
#include <functional>

namespace {
constexpr int kSize = 512;
constexpr float kPi = 3.14159265f;

void perspectiveFloor(Canvas& c, float horizon, Colour a, Colour b) {
    // Checker tiles shrinking toward a vanishing point at the horizon's centre.
    const float vx = kSize / 2.0f;
    for (int row = 0; row < 8; ++row) {
        float t0 = static_cast<float>(row) / 8, t1 = static_cast<float>(row + 1) / 8;
        float y0 = horizon + (kSize - horizon) * t0 * t0,
              y1 = horizon + (kSize - horizon) * t1 * t1;
        for (int col = -8; col < 8; ++col) {
            float s0 = col * 90.0f, s1 = (col + 1) * 90.0f;
            std::vector<float> quad = {vx + s0 * t0 * t0, y0, vx + s1 * t0 * t0, y0,
                                       vx + s1 * t1 * t1, y1, vx + s0 * t1 * t1, y1};
            c.polygon(quad, (row + col) % 2 == 0 ? a : b);
        }
    }
}

struct Palette {
    Colour walltop, wallbottom, tilea, tileb, accent;
};

void lobby(Canvas& c, const Fonts& f, const Palette& p, const std::string& sign) {
    c.verticalGradient(p.walltop, p.wallbottom);
    perspectiveFloor(c, 300, p.tilea, p.tileb);
    for (int i = 0; i < 4; ++i) { // pillars and ceiling lamps
        float x = 40 + i * 144.0f;
        c.rect(x, 40, x + 18, 300, mix(p.wallbottom, rgb(0x000000), 0.35f));
        c.glow(x + 9, 50, 14, p.accent, 0.9f);
    }
    c.rect(150, 70, 362, 122, rgb(0x0B0F1A));
    c.rect(154, 74, 358, 118, mix(p.accent, rgb(0x000000), 0.75f));
    f.bold.drawCentred(c, 256, 110, sign, 34, p.accent);
    c.rect(300, 250, 470, 310, mix(p.wallbottom, rgb(0x000000), 0.55f)); // reception desk
    c.rect(300, 250, 470, 256, p.accent);
}

void robot(Canvas& c, float x, float y, float scale, float armangle, Colour eyes) {
    const Colour metal = rgb(0xB8C4D0), dark = rgb(0x56606C);
    c.line(x, y - 80 * scale, x, y - 100 * scale, 3 * scale, dark);
    c.disc(x, y - 102 * scale, 5 * scale, rgb(0xFF5050));
    c.rect(x - 30 * scale, y - 80 * scale, x + 30 * scale, y - 40 * scale, metal);
    c.glow(x - 12 * scale, y - 62 * scale, 5 * scale, eyes, 2.0f);
    c.glow(x + 12 * scale, y - 62 * scale, 5 * scale, eyes, 2.0f);
    c.rect(x - 38 * scale, y - 36 * scale, x + 38 * scale, y + 30 * scale, metal);
    c.rect(x - 24 * scale, y - 24 * scale, x + 24 * scale, y + 10 * scale, dark);
    float ax = std::cos(armangle) * 45 * scale, ay = -std::sin(armangle) * 45 * scale;
    c.line(x - 38 * scale, y - 28 * scale, x - 38 * scale - 20 * scale, y + 20 * scale, 9 * scale,
           dark);
    c.line(x + 38 * scale, y - 28 * scale, x + 38 * scale + ax, y - 28 * scale + ay, 9 * scale,
           dark);
    c.line(x - 20 * scale, y + 30 * scale, x - 22 * scale, y + 70 * scale, 11 * scale, dark);
    c.line(x + 20 * scale, y + 30 * scale, x + 22 * scale, y + 70 * scale, 11 * scale, dark);
}

const Palette dayLobby{rgb(0x20465C), rgb(0x5E8FA3), rgb(0xD9D2C3), rgb(0x8E8577), rgb(0x7FF5FF)};
const Palette nightLobby{rgb(0x0A0E24), rgb(0x2A2350), rgb(0x3B3560), rgb(0x1C1838), rgb(0xFF7AD9)};

void skyline(Canvas& c, bool night) {
    c.verticalGradient(night ? rgb(0x02030C) : rgb(0x2B1B4A),
                       night ? rgb(0x1A1640) : rgb(0xF08A4B));
    if (night) {
        c.stars(160, 11, 0.8f);
    }
    c.disc(370, 140, 46, night ? rgb(0xF4F1DE) : rgb(0xFFD9A0));
    c.glow(370, 140, 60, night ? rgb(0x8090C0) : rgb(0xFF9050), 0.5f);
    uint32_t state = 5;
    for (int b = 0; b < 14; ++b) {
        state = state * 1103515245u + 12345u;
        float x0 = b * 37.0f - 6, height = 120 + static_cast<float>((state >> 16) % 180);
        c.rect(x0, kSize - height, x0 + 34, kSize, rgb(night ? 0x07080F : 0x1C1530));
        for (int wy = 0; night && wy < static_cast<int>(height / 18) - 1; ++wy) {
            for (int wx = 0; wx < 3; ++wx) {
                if (((state >> (wy + wx * 7)) & 3) == 0) {
                    c.rect(x0 + 5 + wx * 10, kSize - height + 10 + wy * 18, x0 + 11 + wx * 10,
                           kSize - height + 18 + wy * 18, rgb(0xFFD46B));
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
    c.rect(0, 0, kSize, kSize, rgb(0x14101E));
    c.rect(0, 400, kSize, kSize, rgb(0x2A1E3A));
    c.polygon({206, 0, 306, 0, 380, 420, 132, 420}, rgb(0x2E2746)); // spotlight cone
    c.disc(256, 420, 120, rgb(0x3A3156));
    const Colour body = rgb(finale ? 0xFFD166 : 0xF25F5C);
    const float hx = 256, hy = 250; // hips
    c.line(hx, hy, hx, hy - 90, 16, body);
    c.disc(hx, hy - 118, 20, body);
    for (int side = -1; side <= 1; side += 2) {
        float arm = (side < 0 ? a[0] : a[1]) * 2 * kPi, leg = (side < 0 ? a[2] : a[3]) * 2 * kPi;
        c.line(hx, hy - 80, hx + side * 70 * std::cos(arm), hy - 80 - 70 * std::sin(arm), 10, body);
        c.line(hx, hy, hx + side * 30 + 90 * std::sin(leg), hy + 110 * std::cos(leg), 12, body);
    }
    if (finale) {
        uint32_t state = 3;
        for (int i = 0; i < 70; ++i) {
            state = state * 1664525u + 1013904223u;
            float x = static_cast<float>(state % kSize),
                  y = static_cast<float>((state >> 12) % 380);
            static const int confetti[] = {0x06D6A0, 0x118AB2, 0xEF476F, 0xFFD166};
            c.rect(x, y, x + 6, y + 10, rgb(confetti[(state >> 24) & 3]));
        }
        f.bold.drawCentred(c, 256, 470, "TA-DA!", 40, rgb(0xFFFFFF));
    }
}

void rocket(Canvas& c, bool flight) {
    c.verticalGradient(rgb(0x050A1F), flight ? rgb(0x3B2A5C) : rgb(0x1D3557));
    c.stars(120, 23, 0.7f);
    float y = flight ? 200 : 360;
    if (flight) {
        c.glow(256, y + 150, 50, rgb(0xFF8C1A), 2.0f);
        c.polygon({236, y + 100, 276, y + 100, 256, y + 230}, rgb(0xFFD166));
        for (int i = 0; i < 30; ++i) {
            c.glow(200 + i * 4.0f, 470 + std::sin(i * 1.7f) * 20, 18, rgb(0x555A66), 0.25f);
        }
    } else {
        c.rect(0, 440, kSize, kSize, rgb(0x2B2D42));
        c.rect(320, 170, 334, 440, rgb(0x8D99AE)); // tower
        for (int i = 0; i < 9; ++i) {
            c.line(320, 180 + i * 29.0f, 334, 196 + i * 29.0f, 2, rgb(0x5C677D));
        }
    }
    c.polygon({226, y + 100, 286, y + 100, 286, y - 100, 226, y - 100}, rgb(0xEDF2F4));
    c.polygon({226, y - 100, 286, y - 100, 256, y - 170}, rgb(0xEF233C));
    c.polygon({226, y + 40, 226, y + 100, 190, y + 110}, rgb(0xEF233C));
    c.polygon({286, y + 40, 286, y + 100, 322, y + 110}, rgb(0xEF233C));
    c.disc(256, y - 40, 18, rgb(0x2B2D42));
    c.disc(256, y - 40, 12, rgb(0x8ECAE6));
}

void credits(Canvas& c, const Fonts& f, const std::string& role,
             const std::vector<std::string>& names) {
    c.rect(0, 0, kSize, kSize, rgb(0x101820));
    c.rect(0, 150, kSize, 154, rgb(0xF2AA4C));
    f.bold.drawCentred(c, 256, 130, role, 54, rgb(0xF2AA4C));
    for (size_t i = 0; i < names.size(); ++i) {
        f.sans.drawCentred(c, 256, 230 + i * 52.0f, names[i], 32, rgb(0xF4F4F4));
    }
}

void hat(Canvas& c, bool rabbit) {
    c.rect(0, 0, kSize, kSize, rgb(0x3D0C45));
    c.disc(256, 256, 200, rgb(0x5A1A63));
    if (rabbit) {
        for (int side = -1; side <= 1; side += 2) {
            c.polygon({256 + side * 20.0f, 200, 256 + side * 60.0f, 200, 256 + side * 70.0f, 60,
                       256 + side * 40.0f, 50},
                      rgb(0xF5F5F5));
            c.polygon({256 + side * 32.0f, 190, 256 + side * 50.0f, 190, 256 + side * 56.0f, 80,
                       256 + side * 44.0f, 76},
                      rgb(0xF7B2C4));
        }
    }
    c.rect(176, 180, 336, 360, rgb(0x111111));
    c.rect(176, 320, 336, 344, rgb(0xC1121F));
    c.rect(120, 360, 392, 384, rgb(0x111111));
}

void explosion(Canvas& c) {
    c.verticalGradient(rgb(0x1B0A05), rgb(0x3A120A));
    uint32_t state = 17;
    for (int i = 0; i < 90; ++i) {
        state = state * 1664525u + 1013904223u;
        float angle = (state % 3600) / 3600.0f * 2 * kPi, length = 120 + (state >> 20) % 140;
        c.line(256, 256, 256 + std::cos(angle) * length, 256 + std::sin(angle) * length, 2,
               rgb(0xFFB347, 0.7f));
    }
    c.glow(256, 256, 90, rgb(0xFF6B1A), 2.2f);
    c.glow(256, 256, 40, rgb(0xFFF0A0), 2.5f);
    for (int i = 0; i < 12; ++i) {
        float angle = i * kPi / 6;
        c.glow(256 + std::cos(angle) * 110, 256 + std::sin(angle) * 110, 30, rgb(0xFF4500), 0.8f);
    }
    c.vignetteAlpha(0.35f);
}

using Painter = std::function<void(Canvas&, const Fonts&)>;

struct Plan {
    int bytesperpixel;
    bool runlength;
    Painter paint;
};

std::vector<Plan> imagePlans() {
    return {
        {3, false,
         [](Canvas& c, const Fonts& f) { // 0 intro: the title card
             c.verticalGradient(rgb(0x0B0630), rgb(0x5B1E66));
             c.stars(140, 1, 0.8f);
             c.glow(256, 300, 140, rgb(0xFF4FA3), 0.8f);
             for (int i = 0; i <= 16; ++i) { // a grid running to the horizon
                 c.line(256, 300, -512 + i * 64.0f, kSize, 2, rgb(0xFF4FA3, 0.6f));
             }
             for (int i = 1; i < 9; ++i) {
                 float y = 300 + 212 * (i * i) / 64.0f;
                 c.line(0, y, kSize, y, 2, rgb(0xFF4FA3, 0.6f));
             }
             c.rect(0, 296, kSize, 300, rgb(0xFFC2E2));
             f.bold.drawCentred(c, 256, 200, "AFTERGLOW", 78, rgb(0xFFFFFF));
             f.sans.drawCentred(c, 256, 246, "an intro in thirteen scenes", 22, rgb(0xFFC2E2));
         }},
        {3, false,
         [](Canvas& c, const Fonts& f) { // 1 lobby_robot
             lobby(c, f, dayLobby, "LOBBY");
             robot(c, 220, 360, 1.3f, 0.2f, rgb(0x7FF5FF));
         }},
        {3, false,
         [](Canvas& c, const Fonts& f) { // 2 lobby_roboat: the robot sails in
             lobby(c, f, dayLobby, "LOBBY");
             c.rect(0, 330, kSize, kSize, rgb(0x1F6F8B, 0.85f));
             for (int i = 0; i < 10; ++i) {
                 c.line(20 + i * 50.0f, 360 + (i % 3) * 40.0f, 50 + i * 50.0f,
                        360 + (i % 3) * 40.0f, 3, rgb(0x9AD1D4));
             }
             robot(c, 256, 300, 0.9f, 1.2f, rgb(0x7FF5FF));
             c.polygon({120, 370, 392, 370, 350, 430, 160, 430}, rgb(0xC8553D));
             c.rect(250, 250, 254, 370, rgb(0x3D2C2E));
             c.polygon({254, 250, 330, 330, 254, 330}, rgb(0xF2F4F3));
         }},
        {3, false,
         [](Canvas& c, const Fonts&) { // 3 stjerner: the starfield behind the scroller
             c.verticalGradient(rgb(0x01010A), rgb(0x0B1030));
             c.glow(150, 180, 120, rgb(0x4B2C83), 0.6f);
             c.glow(380, 320, 150, rgb(0x1B4D89), 0.5f);
             c.stars(700, 7, 1.0f);
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
             lobby(c, f, nightLobby, "LOBBY");
             robot(c, 300, 360, 1.3f, 1.9f, rgb(0xFF7AD9));
         }},
        {3, false,
         [](Canvas& c, const Fonts& f) { // 19 lobby3: the lobby empty, the door open
             lobby(c, f, nightLobby, "EXIT");
             c.rect(206, 150, 306, 300, rgb(0xFFF3C4));
             c.glow(256, 250, 90, rgb(0xFFE29A), 0.9f);
             c.polygon({206, 300, 306, 300, 380, 470, 132, 470}, rgb(0xFFF3C4, 0.35f));
         }},
        {3, true, [](Canvas& c, const Fonts&) { hat(c, false); }}, // 20 hat
        {3, true, [](Canvas& c, const Fonts&) { hat(c, true); }}, // 21 hat1: and out comes a rabbit
        {4, false,
         [](Canvas& c, const Fonts& f) { // 22 hero: a caped figure against the sunrise
             c.verticalGradient(rgb(0x12355B), rgb(0xFFB26B));
             c.glow(256, 380, 160, rgb(0xFFD08A), 1.2f);
             c.polygon({256, 150, 380, 470, 132, 470}, rgb(0x7A0C21));
             c.disc(256, 150, 30, rgb(0x1A1A2E));
             c.polygon({226, 180, 286, 180, 300, 470, 212, 470}, rgb(0x1A1A2E));
             f.bold.drawCentred(c, 256, 60, "HERO", 48, rgb(0xFFFFFF));
             c.vignetteAlpha(0.4f);
         }},
        {3, true,
         [](Canvas& c, const Fonts& f) { // 23 debrief: the report after the mission
             c.rect(0, 0, kSize, kSize, rgb(0x1E2A38));
             c.rect(40, 40, 472, 330, rgb(0x0E141B));
             const float bars[] = {120, 180, 90, 230, 160};
             for (int i = 0; i < 5; ++i) {
                 c.rect(80 + i * 80.0f, 310 - bars[i], 130 + i * 80.0f, 310,
                        rgb(i == 3 ? 0xF25F5C : 0x4ECDC4));
             }
             f.bold.draw(c, 48, 380, "DEBRIEF", 40, rgb(0xFFFFFF));
             f.sans.draw(c, 48, 420, "- robot rescued, hat recovered", 20, rgb(0xC9D6DF));
             f.sans.draw(c, 48, 450, "- one rocket, slightly used", 20, rgb(0xC9D6DF));
         }},
        {4, false, [](Canvas& c, const Fonts&) { explosion(c); }}, // 24 eksplo
        {4, false,
         [](Canvas& c, const Fonts&) { // 25 lommekniv: a pocket knife
             c.verticalGradient(rgb(0x2F3E46), rgb(0x52796F));
             c.polygon({120, 300, 250, 230, 420, 150, 440, 170, 270, 270}, rgb(0xD9DEE3));
             c.line(250, 235, 425, 158, 2, rgb(0xFFFFFF, 0.8f));
             c.polygon({90, 300, 110, 270, 300, 270, 320, 300, 300, 330, 110, 330}, rgb(0xC1121F));
             c.rect(190, 290, 220, 310, rgb(0xFFFFFF));
             c.rect(195, 285, 215, 315, rgb(0xFFFFFF));
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
        Canvas canvas = plan.paint ? Canvas(kSize, kSize) : paintScrollText(fonts);
        if (plan.paint) {
            plan.paint(canvas, fonts);
        }
        artwork.push_back({ImageList[n], plan.bytesperpixel, plan.runlength, plan.paint != nullptr,
                           std::move(canvas)});
    }
    return artwork;
}
