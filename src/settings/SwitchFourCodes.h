#pragma once

#include <cstdint>
#include <optional>

// Memory switch 4 holds the print strobe and the gap detect position. Each row of the print page
// reads the whole byte and writes it with only its own bits set.
class SwitchFourCodes {
public:
    // Each position stands for its bits of the switch byte.
    enum class Strobe : std::uint8_t { Two = 0x00, Three = 0x40, Four = 0x80 };
    enum class GapDetect : std::uint8_t { Lower = 0x00, Upper = 0x20 };

    // The position a switch byte stands for: a byte with other bits set matches none.
    static std::optional<Strobe> StrobeOf(std::uint8_t byte);
    static std::optional<GapDetect> GapDetectOf(std::uint8_t byte);
    // The switch byte of a position; no position is sent as the first one.
    static std::uint8_t Byte(std::optional<Strobe> strobe);
    static std::uint8_t Byte(std::optional<GapDetect> gapDetect);
};
