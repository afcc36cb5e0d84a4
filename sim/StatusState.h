#pragma once

#include <string>

namespace sim {

// What the simulated printer reports to the status requests. Nothing in the printer sets the
// flags on its own: a test or the program's options raise them.
struct StatusState {
    bool paperEmpty = false, coverOpen = false, cutterJammed = false, headOverheat = false,
         gapDetectionError = false, ribbonEnd = false, paperJam = false;
    bool building = false, printing = false, paused = false;  // the label in hand
    std::string errorCode = "00";                             // two characters, answered by "^ee"

    static constexpr const char* kNoError = "00";
    static constexpr const char* kSyntaxError = "01";
};

}  // namespace sim
