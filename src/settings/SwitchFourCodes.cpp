#include "settings/SwitchFourCodes.h"

#include <array>

namespace {

constexpr std::array<std::uint8_t, 3> kStrobe = {0x00, 0x40, 0x80};
constexpr std::array<std::uint8_t, 2> kGapDetect = {0x00, 0x20};

template <std::size_t N>
int IndexOf(const std::array<std::uint8_t, N>& codes, std::uint8_t byte) {
    for (std::size_t i = 0; i < N; ++i) {
        if (codes[i] == byte) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// No selection is sent as the first code.
template <std::size_t N>
std::uint8_t CodeAt(const std::array<std::uint8_t, N>& codes, int index) {
    return index >= 0 && index < static_cast<int>(N) ? codes[static_cast<std::size_t>(index)]
                                                     : codes[0];
}

}  // namespace

int SwitchFourCodes::StrobeIndex(std::uint8_t byte) {
    return IndexOf(kStrobe, byte);
}

std::uint8_t SwitchFourCodes::StrobeByte(int index) {
    return CodeAt(kStrobe, index);
}

int SwitchFourCodes::GapDetectIndex(std::uint8_t byte) {
    return IndexOf(kGapDetect, byte);
}

std::uint8_t SwitchFourCodes::GapDetectByte(int index) {
    return CodeAt(kGapDetect, index);
}
