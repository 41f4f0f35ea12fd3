#include "rules/MusicDrift.h"

#include <algorithm>

void MusicDrift::setTogether(double difference) {
    m_together = difference;
    interrupt();
}

void MusicDrift::interrupt() {
    m_watching = false;
}

bool MusicDrift::behind(uint32_t now, double positionMs) {
    if (positionMs < 0) {
        return false; // the output cannot tell its position
    }
    const double difference = now - positionMs;
    if (!m_watching || now < m_windowStart) {
        m_watching = true;
        m_windowStart = now;
        m_largest = difference;
        return false;
    }
    m_largest = std::max(m_largest, difference);
    if (now - m_windowStart < kMusicDriftWindowMs) {
        return false;
    }
    const bool late = m_largest - m_together > kMusicLagLimitMs;
    m_windowStart = now;
    m_largest = difference;
    return late;
}
