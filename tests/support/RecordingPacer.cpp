#include "support/RecordingPacer.h"

#include <numeric>

void RecordingPacer::Pause(int milliseconds) {
    pauses.push_back(milliseconds);
    if (realTime_) {
        WallClockPacer().Pause(milliseconds);
    }
}

int RecordingPacer::Total() const {
    return std::accumulate(pauses.begin(), pauses.end(), 0);
}
