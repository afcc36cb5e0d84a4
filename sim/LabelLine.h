#pragma once

#include <string_view>

#include "sim/LabelState.h"

namespace sim {

// What the printer makes of one label command line (without its line end).
struct LabelLine {
    enum class Kind {
        Unknown,    // no label command of this name: kept as it came
        Malformed,  // a label command the printer cannot read: refused
        Drawing,    // T, V, B1, B2, BD: `element`
        Setting,    // SW, SL, SM, SS, SD, SOT, SOB, CS: the fields of `setting` it sets
        Print,      // P: `labels` come out
    };
    Kind kind = Kind::Unknown;
    LabelElement element{};
    LabelFormat setting{};
    long labels = 0;
};

// A printer prints at most so many labels for one print command; no count may overflow.
constexpr long kMostLabelsPerPrint = 1'000'000'000L;

LabelLine ReadLabelLine(std::string_view line);

// Sets in `format` every field that `setting` holds.
void ApplySetting(const LabelFormat& setting, LabelFormat& format);

}  // namespace sim
