// MusicDrift: whether the music heard has fallen behind the picture. A sound output that stalls
// (a busy machine, a sound server slow to take a new stream) plays everything after the stall
// late, for good; the mixer's play position shows it. That position runs ahead of what the
// output has taken by whatever the decoder holds in hand, and behind it by at most one mixing
// chunk, so the lag is the largest (time - position) seen over a window longer than the
// decoder's cycle, less the same difference when music and picture were last set together.
#pragma once

#include <cstdint>

// How far behind the music may fall before it is moved: one mixing chunk (46 ms) above what
// the position can show with no stall, and with the output's own latency still under the
// 125 ms at which a viewer notices sound after picture.
constexpr double kMusicLagLimitMs = 70;
// Longer than the decoder's cycle of refills (about 650 ms), so that a window holds its lowest
// position.
constexpr uint32_t kMusicDriftWindowMs = 1000;

class MusicDrift {
  public:
    // Music and picture set together, with time - position then at difference: the music
    // started at clock c0 from 0 has c0; a seek to the picture's time has 0.
    void setTogether(double difference);
    // A pause, or any stretch the music does not play: the window so far says nothing.
    void interrupt();
    // One look at the music while it plays: its position at playback time now. True when a
    // window has just closed with the music further behind than kMusicLagLimitMs; the caller
    // seeks it to now and sets them together again.
    bool behind(uint32_t now, double positionMs);

  private:
    double m_together = 0;
    bool m_watching = false;
    uint32_t m_windowStart = 0;
    double m_largest = 0;
};
