#pragma once

#include <QByteArray>
#include <array>
#include <cstdint>

// The 20-bit lock payload of an EPC Gen2 tag: ten mask bits, then ten action bits, each group in
// the order kill password, access password, EPC, TID and user memory, two bits per area with the
// left box the higher bit. The bits fill the top of three bytes; the low four bits stay 0.
class LockPayload {
public:
    enum class Row { Mask, Action };
    enum class Area { KillPassword, AccessPassword, Epc, Tid, User };
    enum class Side { Left, Right };

    static constexpr int kAreaCount = 5;
    static constexpr int kBoxCount = 2 * 2 * kAreaCount;

    // The box's place in the payload, 0 the highest bit.
    static int Index(Row row, Area area, Side side);

    void Set(int index, bool ticked);
    void Set(Row row, Area area, Side side, bool ticked) { Set(Index(row, area, side), ticked); }
    bool IsSet(int index) const;

    std::array<std::uint8_t, 3> Bytes() const;
    // "B1,B2,B3", each byte two uppercase hexadecimal digits: "80,00,00".
    QByteArray Text() const;

private:
    std::array<bool, kBoxCount> boxes_{};
};
