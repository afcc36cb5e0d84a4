#include "sim/HexText.h"

#include <algorithm>

namespace sim {

namespace {

int DigitValue(char digit) {
    if (digit >= '0' && digit <= '9') {
        return digit - '0';
    }
    if (digit >= 'A' && digit <= 'F') {
        return digit - 'A' + 10;
    }
    if (digit >= 'a' && digit <= 'f') {
        return digit - 'a' + 10;
    }
    return -1;
}

}  // namespace

bool IsHexText(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char digit) { return DigitValue(digit) >= 0; });
}

std::optional<std::vector<std::uint8_t>> BytesFromHex(std::string_view text) {
    if (text.size() % 2 != 0 || !IsHexText(text)) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(text.size() / 2);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] =
            static_cast<std::uint8_t>(DigitValue(text[2 * i]) * 16 + DigitValue(text[2 * i + 1]));
    }
    return bytes;
}

std::string HexFromBytes(const std::uint8_t* bytes, std::size_t count) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(2 * count);
    for (std::size_t i = 0; i < count; ++i) {
        text += kDigits[bytes[i] >> 4];
        text += kDigits[bytes[i] & 0x0F];
    }
    return text;
}

}  // namespace sim
