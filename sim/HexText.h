#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sim {

// Bytes written as hexadecimal text, two digits each (either case); nothing when the text has an
// odd length or a character that is no hex digit.
std::optional<std::vector<std::uint8_t>> BytesFromHex(std::string_view text);

// Bytes as uppercase hexadecimal text, two digits each.
std::string HexFromBytes(const std::uint8_t* bytes, std::size_t count);

bool IsHexText(std::string_view text);

}  // namespace sim
