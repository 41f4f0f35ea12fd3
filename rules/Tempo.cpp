#include "rules/Tempo.h"

#include <charconv>
#include <cmath>

namespace {
// A plain decimal number, digits with at most one point between them: what a person writes for
// a beat. No sign, exponent, hex or spaces.
std::optional<double> decimal(std::string_view text) {
    const size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view part = point == text.npos ? "1" : text.substr(point + 1);
    auto digits = [](std::string_view s) {
        return !s.empty() && s.size() <= 9 && s.find_first_not_of("0123456789") == s.npos;
    };
    if (!digits(whole) || !digits(part)) {
        return std::nullopt;
    }
    double value = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}
} // namespace

std::optional<BeatTime> parseBeatTime(std::string_view text, uint32_t beatsPerBar) {
    if (!text.empty() && text.back() == 'b') {
        const std::optional<double> beats = decimal(text.substr(0, text.size() - 1));
        return beats ? std::optional(BeatTime{*beats, false}) : std::nullopt;
    }
    const size_t colon = text.find(':');
    if (colon == text.npos) {
        return std::nullopt;
    }
    const std::optional<double> bar = decimal(text.substr(0, colon));
    const std::optional<double> beat = decimal(text.substr(colon + 1));
    if (!bar || !beat || *bar != std::floor(*bar) || *bar < 1 || *beat < 1 ||
        *beat >= beatsPerBar + 1.0) {
        return std::nullopt;
    }
    return BeatTime{(*bar - 1) * beatsPerBar + (*beat - 1), true};
}

double beatsToMs(const Tempo& tempo, double beats) {
    return std::round(beats * 60000.0 / tempo.bpm);
}

std::string barBeatAt(const Tempo& tempo, uint32_t time) {
    if (time < tempo.offset) {
        return "";
    }
    // The last beat n whose rounded ms, round(n * 60000 / bpm), is not past the time: the one with
    // n * 60000 / bpm below the time and a half.
    const double past = (time - tempo.offset + 0.5) * tempo.bpm / 60000.0;
    const auto beats = static_cast<uint64_t>(std::ceil(past) - 1);
    return std::to_string(beats / tempo.beatsPerBar + 1) + ":" +
           std::to_string(beats % tempo.beatsPerBar + 1);
}
