#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sim {

// One Gen2 tag as the encoder sees it: two memory banks, two passwords and the lock state of its
// five areas.
struct RfidTag {
    // Both banks are this long: a host may address start 0..16 with up to 53 further bytes.
    static constexpr std::size_t kBankSize = 80;
    // Where the EPC sits in the EPC bank (after the CRC and PC words), and its longest length.
    static constexpr std::size_t kEpcStart = 4;
    static constexpr std::size_t kEpcSize = 12;
    static constexpr std::size_t kPasswordSize = 8;  // hex digits
    // The areas, in the order of the lock state and of the lock payload.
    static constexpr std::size_t kKillPassword = 0, kAccessPassword = 1, kEpcArea = 2, kTidArea = 3,
                                 kUserArea = 4, kAreas = 5;

    std::vector<std::uint8_t> epc;   // EPC memory bank, kBankSize bytes
    std::vector<std::uint8_t> user;  // user memory bank, kBankSize bytes
    std::string accessPassword = "00000000", killPassword = "00000000";  // uppercase hex
    // A permanent lock state never changes again: permanent and locked is never writable,
    // permanent and not locked can never be locked.
    struct Lock {
        bool locked = false;
        bool permanent = false;
        bool operator==(const Lock&) const = default;
    };
    std::array<Lock, kAreas> locks{};
    bool secured = false;  // opened by ">RFUL" with the right access password, for this label
    bool killed = false;   // a killed tag never answers again
};

// The RFID encoder: its settings, the passwords it presents, its counters and the tag in front of
// its antenna.
struct RfidState {
    enum class TagType { Gen2, IsoB };
    TagType tagType = TagType::Gen2;
    int power = 16;  // 1..31
    std::string transponderPosition = "600";
    int retries = 3;          // 0..10
    int labels = 2;           // 0..5
    bool calibrated = false;  // set by ">RFCP"
    std::string accessPassword = "00000000",
                killPassword = "00000000";  // what the encoder presents
    long valid = 0, voided = 0;             // tag operations that worked and that failed
    // The tag in the field, if any: a blank one with the sample EPC until someone changes it.
    std::optional<RfidTag> tag = BlankTag(SampleEpc());

    // A tag fresh from the reel: zero banks and passwords, nothing locked, `epc` (at most
    // kEpcSize bytes, more are dropped) at kEpcStart, and a PC word announcing kEpcSize bytes.
    static RfidTag BlankTag(const std::vector<std::uint8_t>& epc);
    // 112233445566778899AABBCC: plainly a sample, and easy to spot in a reply.
    static std::vector<std::uint8_t> SampleEpc();

    // A label came out: the tag in the field is no longer open for this label.
    void LabelPrinted() {
        if (tag) {
            tag->secured = false;
        }
    }
};

}  // namespace sim
