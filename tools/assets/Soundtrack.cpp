#include "tools/assets/Soundtrack.h"

#include "rules/SceneTimeline.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kTwoPi = 6.283185307179586;
constexpr double kBeat = 0.5; // seconds: 120 beats a minute

// One chord a scene, as semitones above A2 (110 Hz): root, third, fifth.
const int kChords[kSceneCount][3] = {
    {0, 3, 7},   {-4, 0, 3}, {3, 7, 10}, {-2, 2, 5}, {0, 3, 7},  {-4, 0, 3}, {3, 7, 10},
    {-5, -1, 2}, {0, 3, 7},  {5, 8, 12}, {-4, 0, 3}, {-2, 2, 5}, {0, 3, 7},
};

double frequency(int semitones) {
    return 110.0 * std::pow(2.0, semitones / 12.0);
}

int sceneAt(double t) {
    for (int s = 0; s < kSceneCount; ++s) {
        if (t * 1000.0 <= SceneTimeline[s]) {
            return s;
        }
    }
    return kSceneCount - 1;
}

double saw(double phase) {
    return 2.0 * (phase - std::floor(phase)) - 1.0;
}
double triangle(double phase) {
    return 1.0 - 4.0 * std::fabs(phase - std::floor(phase) - 0.5);
}

struct Noise {
    uint32_t state = 0x12345678u;
    double next() {
        state = state * 1664525u + 1013904223u;
        return static_cast<double>(state >> 8) / 8388608.0 - 1.0;
    }
};
} // namespace

std::vector<int16_t> synthesizeSoundtrack() {
    const size_t frames = static_cast<size_t>(kSampleRate) * kSoundtrackSeconds;
    std::vector<int16_t> out(frames * 2);
    Noise noise;
    double padPhase[6] = {}, bassPhase = 0, arpPhase = 0, kickPhase = 0;
    double padLow = 0, bassEnv = 0, hatPrevious = 0;
    for (size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const int scene = sceneAt(t);
        const int* chord = kChords[scene];
        const double beat = t / kBeat;
        const double inBeat = beat - std::floor(beat);
        const long beatIndex = static_cast<long>(beat);
        // Since the last chord change, for a soft swell into each chord.
        const double sinceChange = t - (scene == 0 ? 0.0 : SceneTimeline[scene - 1] / 1000.0);
        const double swell = std::min(1.0, sinceChange / 0.8);
        const double fade = std::min(1.0, (kSoundtrackSeconds - t) / 6.0); // out over the end

        // Pad: each chord tone as two slightly detuned saws, one per side, low-passed.
        double padl = 0, padr = 0;
        for (int v = 0; v < 3; ++v) {
            double f = frequency(chord[v] + 12);
            padPhase[2 * v] += f * 0.997 / kSampleRate;
            padPhase[2 * v + 1] += f * 1.003 / kSampleRate;
            padl += saw(padPhase[2 * v]);
            padr += saw(padPhase[2 * v + 1]);
        }
        padLow += 0.08 * ((padl + padr) * 0.5 - padLow);
        const double pad = 0.10 * swell;

        // Bass: the root on every eighth, plucked.
        const double eighth = beat * 2 - std::floor(beat * 2);
        bassEnv = std::exp(-eighth * 6.0);
        bassPhase += frequency(chord[0] - 12) / kSampleRate;
        const double bass =
            scene >= 1 ? 0.22 * bassEnv * (saw(bassPhase) * 0.6 + std::sin(bassPhase * kTwoPi))
                       : 0.0;

        // Arpeggio: chord tones in sixteenths, two octaves up, from scene 2 on.
        const long sixteenth = static_cast<long>(beat * 4);
        const double inSixteenth = beat * 4 - std::floor(beat * 4);
        arpPhase +=
            frequency(chord[sixteenth % 3] + 24 + (sixteenth % 8 >= 4 ? 12 : 0)) / kSampleRate;
        const double arp =
            scene >= 2 ? 0.07 * std::exp(-inSixteenth * 5.0) * triangle(arpPhase) : 0.0;
        const double arpPan = (sixteenth % 2 == 0) ? 0.3 : 0.7;

        // Drums from scene 1 on: kick on 1 and 3, snare on 2 and 4, hats on the eighths.
        double drums = 0;
        if (scene >= 1) {
            const bool kickBeat = beatIndex % 2 == 0;
            const double kickTime = inBeat * kBeat;
            kickPhase += (45.0 + 90.0 * std::exp(-kickTime * 30.0)) / kSampleRate;
            if (kickBeat) {
                drums += 0.45 * std::exp(-kickTime * 14.0) * std::sin(kickPhase * kTwoPi);
            } else {
                drums += 0.18 * std::exp(-kickTime * 22.0) *
                         (noise.next() * 0.7 + std::sin(t * 180 * kTwoPi) * 0.5);
            }
            double white = noise.next();
            double hat = white - hatPrevious; // a first difference: the highs only
            hatPrevious = white;
            drums += 0.05 * std::exp(-eighth * kBeat * 2 * 60.0) * hat;
        }

        const double left =
            fade * (pad * padl * 0.5 + pad * padLow + bass + arp * (1 - arpPan) + drums);
        const double right = fade * (pad * padr * 0.5 + pad * padLow + bass + arp * arpPan + drums);
        out[2 * i] = static_cast<int16_t>(std::lround(std::clamp(left, -1.0, 1.0) * 30000.0));
        out[2 * i + 1] = static_cast<int16_t>(std::lround(std::clamp(right, -1.0, 1.0) * 30000.0));
    }
    return out;
}
