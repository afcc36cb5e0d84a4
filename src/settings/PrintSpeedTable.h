#pragma once

#include <QStringList>
#include <cstdint>

// The print speed list of each printer model, and how its positions map to the speed code in
// bits 5-7 of memory switch 3. Position 0 is "Default" (code 0) in every list.
class PrintSpeedTable {
public:
    static constexpr std::uint8_t kSpeedBits = 0xE0;

    // The entries for a model index (-1: none identified; unknown models get the full list).
    static QStringList Entries(int modelIndex);
    // The list position a switch 3 byte stands for; codes the model does not list are "Default".
    static int IndexForByte(int modelIndex, std::uint8_t byte);
    // The switch 3 byte for a list position (-1: none, sent as "Default").
    static std::uint8_t ByteForIndex(int modelIndex, int index);
};
