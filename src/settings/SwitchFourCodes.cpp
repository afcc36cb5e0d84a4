#include "settings/SwitchFourCodes.h"

#include <array>

namespace {

using Strobe = SwitchFourCodes::Strobe;
using GapDetect = SwitchFourCodes::GapDetect;

constexpr std::array kStrobes = {Strobe::Two, Strobe::Three, Strobe::Four};
constexpr std::array kGapDetects = {GapDetect::Lower, GapDetect::Upper};

template <typename Position, std::size_t N>
std::optional<Position> PositionOf(const std::array<Position, N>& positions, std::uint8_t byte) {
    for (const Position position : positions) {
        if (static_cast<std::uint8_t>(position) == byte) {
            return position;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<Strobe> SwitchFourCodes::StrobeOf(std::uint8_t byte) {
    return PositionOf(kStrobes, byte);
}

std::optional<GapDetect> SwitchFourCodes::GapDetectOf(std::uint8_t byte) {
    return PositionOf(kGapDetects, byte);
}

std::uint8_t SwitchFourCodes::Byte(std::optional<Strobe> strobe) {
    return static_cast<std::uint8_t>(strobe.value_or(kStrobes.front()));
}

std::uint8_t SwitchFourCodes::Byte(std::optional<GapDetect> gapDetect) {
    return static_cast<std::uint8_t>(gapDetect.value_or(kGapDetects.front()));
}
