// Track: a value that changes over a scene, as the sync editors demo makers time their effects
// with keep it: keys at ms into the scene, each saying how the value goes on to the next key.
// Before the first key the value is the first key's; after the last, the last key's. Pure: no GL,
// no clock.
#pragma once

#include <cstdint>
#include <vector>

enum class Interpolation : uint8_t {
    Step,   // the key's value until the next key
    Linear, // a straight line to the next key
    Smooth, // smoothstep: eased in and out
    Ramp,   // eased in: slow at the key, fastest at the next
};

struct Key {
    uint32_t time = 0; // ms into the scene
    double value = 0.0;
    Interpolation interpolation = Interpolation::Linear;
    bool operator==(const Key& other) const {
        return time == other.time && value == other.value && interpolation == other.interpolation;
    }
};

// Keys in strictly increasing time order; never empty once read.
struct Track {
    std::vector<Key> keys;

    // A constant: one key.
    static Track of(double value) { return Track{{Key{0, value, Interpolation::Step}}}; }
    // The value at elapsed ms into the scene.
    double at(uint32_t elapsed) const;
};
