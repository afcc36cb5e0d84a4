#pragma once

#include <cstdint>

// Memory switch 4 holds the print strobe and the gap detect position. Each row of the print page
// reads the whole byte and writes it with only its own bits set.
class SwitchFourCodes {
public:
    // Strobe "2", "3", "4" are positions 0, 1, 2; gap detect lower and upper 0 and 1.
    // A byte with other bits set matches no position (-1).
    static int StrobeIndex(std::uint8_t byte);
    static std::uint8_t StrobeByte(int index);
    static int GapDetectIndex(std::uint8_t byte);
    static std::uint8_t GapDetectByte(int index);
};
