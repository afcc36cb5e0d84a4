#include "rfid/LockPayload.h"

namespace {

constexpr int kTopBit = 23;

bool InRange(int index) {
    return index >= 0 && index < LockPayload::kBoxCount;
}

}  // namespace

int LockPayload::Index(Row row, Area area, Side side) {
    return (row == Row::Action ? 2 * kAreaCount : 0) + 2 * static_cast<int>(area) +
           (side == Side::Right ? 1 : 0);
}

void LockPayload::Set(int index, bool ticked) {
    if (InRange(index)) {
        boxes_[static_cast<std::size_t>(index)] = ticked;
    }
}

bool LockPayload::IsSet(int index) const {
    return InRange(index) && boxes_[static_cast<std::size_t>(index)];
}

std::array<std::uint8_t, 3> LockPayload::Bytes() const {
    std::uint32_t value = 0;
    for (int index = 0; index < kBoxCount; ++index) {
        if (IsSet(index)) {
            value |= std::uint32_t{1} << (kTopBit - index);
        }
    }
    return {static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
            static_cast<std::uint8_t>(value)};
}

QByteArray LockPayload::Text() const {
    QByteArray text;
    for (const std::uint8_t byte : Bytes()) {
        if (!text.isEmpty()) {
            text += ',';
        }
        text += QByteArray::number(byte, 16).rightJustified(2, '0').toUpper();
    }
    return text;
}
