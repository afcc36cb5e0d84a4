#pragma once

#include <QString>
#include <cstdint>
#include <vector>

// The print speed list of each printer model, and the speed code in bits 5-7 of memory switch 3
// each entry stands for. The first entry is "Default" (code 0) in every list.
class PrintSpeedTable {
public:
    static constexpr std::uint8_t kSpeedBits = 0xE0;
    static constexpr std::uint8_t kDefaultCode = 0x00;

    struct Speed {
        QString text;
        std::uint8_t code = kDefaultCode;
    };

    // The entries for a model index (-1: none identified; unknown models get the full list).
    static std::vector<Speed> Entries(int modelIndex);
    // The code of the entry a switch 3 byte stands for; codes the model does not list are
    // "Default".
    static std::uint8_t CodeOf(int modelIndex, std::uint8_t byte);
};
