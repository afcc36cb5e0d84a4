#pragma once

#include <array>
#include <string>

#include "sim/MediaState.h"

namespace sim {

// The media sensor of the simulated printer: what it reads while the printer feeds the media,
// counted per level as the sensing distribution reports it.
class MediaSensor {
public:
    enum class Type {
        Gap,   // "G": light let through the media
        Mark,  // "B": light sent back from it
    };

    static constexpr int kBuckets = 32;
    static constexpr int kBucketWidth = 8;  // bucket i holds the values 8i..8i+7
    static constexpr int kMaxCount = 65535;
    using Counts = std::array<int, kBuckets>;

    // One reading per dot while `dots` of media pass, counted per bucket (at most kMaxCount
    // each). The sensor that suits the media sees label and gap (or mark); the other one, or any
    // sensor on continuous media, sees label only. With no paper it sees what it sees in a gap.
    // The noise is seeded: the same media and length always give the same counts.
    static Counts Distribution(const MediaState& media, Type type, int dots, bool paperEmpty);

    // The counts as the printer sends them: two bytes each, low byte first.
    static std::string Encode(const Counts& counts);
};

}  // namespace sim
