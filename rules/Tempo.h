// Tempo: the music's beat, so that a timeline may write its times in beats and bars as the music
// counts them. Bars and beats count from 1, as musicians count: "1:1" is the first beat, at the
// offset; "3:2" at 120 bpm with four beats to the bar is 4500 ms past it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct Tempo {
    double bpm = 120.0;
    uint32_t offset = 0; // the clock time of the first beat, ms
    uint32_t beatsPerBar = 4;
};

// A time written in beats: "12b" (twelve beats; "0.5b" too) or "bar:beat" ("3:2", "3:2.5"),
// given as beats past the first beat. Nothing for any other text, or a beat past its bar.
struct BeatTime {
    double beats = 0.0;
    bool barBeat = false;
};
std::optional<BeatTime> parseBeatTime(std::string_view text, uint32_t beatsPerBar);

// The whole ms that beats take at the tempo, rounded: a time written in beats is this past the
// scene's start or the offset.
double beatsToMs(const Tempo& tempo, double beats);

// The clock time as "bar:beat" (the beat it is in, whole: from the ms a time written as that beat
// stands for), "" before the first beat.
std::string barBeatAt(const Tempo& tempo, uint32_t time);
