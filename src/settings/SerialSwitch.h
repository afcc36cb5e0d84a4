#pragma once

#include <array>
#include <cstdint>
#include <optional>

// The printer's own serial line settings as memory switch 2 keeps them, one list selection each.
struct SerialSwitch {
    enum List { HandShake, StopBit, DataLength, ParityCheck, ParitySelection, Baudrate, kLists };

    // Every list's selection (-1: none): 0..1, 0..2 for the baud rate. The lists of the serial
    // page carry these as the values of their entries.
    std::array<int, kLists> selections{-1, -1, -1, -1, -1, -1};

    static SerialSwitch Decode(std::uint8_t byte);
    // The switch byte; nothing while a list has no selection, since any byte would then change
    // a setting nobody chose.
    std::optional<std::uint8_t> Encode() const;
};
