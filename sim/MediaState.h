#pragma once

#include <optional>

namespace sim {

// The media loaded in the simulated printer, as its sensor sees it, and the calibration the host
// stored for it.
struct MediaState {
    enum class Kind { Gap, Mark, Continuous };  // continuous: no gap or mark at all
    Kind kind = Kind::Gap;
    int labelLength = 1200;  // dots along the feed, label part
    int gapLength = 24;      // dots of gap (Gap) or of black mark (Mark)

    // Sensor values 0..255 over the label and over the gap or mark, on the gap sensor's scale:
    // it measures light let through, little through the label and much through the gap. The
    // mark sensor measures light sent back and counts the other way: it reads 255 - level, much
    // from a white label and little from a black mark. The defaults put the label in bucket 6
    // and the gap in bucket 24 of the distribution, far apart as on real gap labels.
    int labelLevel = 52;
    int gapLevel = 196;
    int noise = 10;  // a reading lies within level ± noise, most often near the level

    struct Calibration {
        int middleValue;
        int gapCount;
    };
    std::optional<Calibration> calibration;  // stored by "^MXs", forgotten by "^MXc"
};

}  // namespace sim
