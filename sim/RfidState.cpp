#include "sim/RfidState.h"

#include <algorithm>

namespace sim {

namespace {

// The protocol-control word: the EPC length in 16-bit words in its top five bits.
constexpr std::uint8_t kPcHigh = static_cast<std::uint8_t>((RfidTag::kEpcSize / 2) << 3);
constexpr std::size_t kPcStart = 2;

}  // namespace

std::vector<std::uint8_t> RfidState::SampleEpc() {
    return {0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99, 0xAA, 0xBB, 0xCC};
}

RfidTag RfidState::BlankTag(const std::vector<std::uint8_t>& epc) {
    RfidTag tag;
    tag.epc.assign(RfidTag::kBankSize, 0);
    tag.user.assign(RfidTag::kBankSize, 0);
    tag.epc[kPcStart] = kPcHigh;
    const std::size_t length = std::min(epc.size(), RfidTag::kEpcSize);
    std::copy_n(epc.begin(), length, tag.epc.begin() + RfidTag::kEpcStart);
    return tag;
}

}  // namespace sim
