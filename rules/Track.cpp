#include "rules/Track.h"

#include <algorithm>

double Track::at(uint32_t elapsed) const {
    // The last key at or before elapsed.
    auto next = std::upper_bound(keys.begin(), keys.end(), elapsed,
                                 [](uint32_t t, const Key& key) { return t < key.time; });
    if (next == keys.begin()) {
        return keys.front().value;
    }
    const Key& key = *(next - 1);
    if (next == keys.end()) {
        return key.value;
    }
    const double f = static_cast<double>(elapsed - key.time) / (next->time - key.time);
    double eased = f;
    switch (key.interpolation) {
    case Interpolation::Step:
        return key.value;
    case Interpolation::Linear:
        break;
    case Interpolation::Smooth:
        eased = f * f * (3.0 - 2.0 * f);
        break;
    case Interpolation::Ramp:
        eased = f * f;
        break;
    }
    return key.value + (next->value - key.value) * eased;
}
