#include "settings/SerialSwitch.h"

namespace {

constexpr std::uint8_t kBaud38400 = 0x20;
constexpr std::uint8_t kBaud57600 = 0x60;

}  // namespace

SerialSwitch SerialSwitch::Decode(std::uint8_t byte) {
    SerialSwitch result;
    for (int bit = 0; bit < Baudrate; ++bit) {
        result.selections[static_cast<std::size_t>(bit)] = (byte >> bit) & 1;
    }
    // Bit 6 without bit 5 is no rate of ours: the DIP switch decides.
    const std::uint8_t baud = byte & kBaud57600;
    result.selections[Baudrate] = baud == kBaud57600 ? 2 : baud == kBaud38400 ? 1 : 0;
    return result;
}

std::optional<std::uint8_t> SerialSwitch::Encode() const {
    int byte = 0;
    for (int list = 0; list < kLists; ++list) {
        const int index = selections[static_cast<std::size_t>(list)];
        const int count = list == Baudrate ? 3 : 2;
        if (index < 0 || index >= count) {
            return std::nullopt;
        }
        if (list != Baudrate) {
            byte |= index << list;
        }
    }
    const int baud = selections[Baudrate];
    byte |= baud == 2 ? kBaud57600 : baud == 1 ? kBaud38400 : 0;
    return static_cast<std::uint8_t>(byte);
}
