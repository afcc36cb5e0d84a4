#pragma once

#include <array>

#include "settings/SettingsProtocol.h"

// Where to put the sensor's threshold, from the distribution of its readings over one length of
// media: a big cluster for the label, a smaller one for the gap (or the black mark), and a
// proposed level between them. Gap and black-mark sensing mirror each other: a gap lets light
// through and reads high, a black mark reflects little and reads low.
struct SensingAnalysis {
    static constexpr int kBuckets = SettingsProtocol::kSensingBuckets;
    using Counts = std::array<int, kBuckets>;
    using SensingType = SettingsProtocol::SensingType;

    // Whether there was something to propose: black-mark sensing needs a count above bucket 0.
    bool proposed = false;
    int leftMark = 0;
    int rightMark = 0;
    // The level buttons a person may choose from: firstEnabled..lastEnabled (none when first is
    // above last).
    int firstEnabled = 0;
    int lastEnabled = -1;
    int selectedLevel = -1;  // -1: none proposed

    // Marks this close together leave too little room between the clusters for a level of the
    // list: the finer candidates of Calibration Extra are offered.
    static constexpr int kExtraDistance = 3;
    bool OpensExtra() const { return proposed && rightMark - leftMark <= kExtraDistance; }
    bool Enabled(int level) const { return level >= firstEnabled && level <= lastEnabled; }
    bool Marked(int bucket) const {
        return proposed && (bucket == leftMark || bucket == rightMark);
    }

    // The threshold value that belongs to a bucket: its upper reading, 8 per bucket.
    static int Threshold(int bucket) { return 8 * bucket + 8; }

    static SensingAnalysis Analyse(const Counts& counts, SensingType type);
};
