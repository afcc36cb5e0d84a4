#pragma once

#include <QString>
#include <array>
#include <optional>

#include "settings/SettingsProtocol.h"

// The finer thresholds offered when the two clusters of a sensing distribution lie three buckets
// apart or closer: eight values one unit apart (the levels of the list are eight apart), reaching
// from the gap's (or mark's) side into the room between the clusters.
struct CalibrationCandidates {
    static constexpr int kCount = 8;
    // The candidate checked when the dialog opens.
    static constexpr int kStartIndex = 4;
    // A threshold is one reading of the sensor.
    static constexpr int kLowest = 0;
    static constexpr int kHighest = 255;
    using Values = std::array<int, kCount>;

    // No candidates when the marks are not one to three buckets apart.
    static std::optional<Values> For(SettingsProtocol::SensingType type, int leftMark,
                                     int rightMark);

    // "080 : ": the threshold of a mark's bucket.
    static QString MarkText(int mark);
    // "900": a mark's count.
    static QString CountText(int count);
    // "081 :": a candidate's label.
    static QString CandidateText(int value);
};
