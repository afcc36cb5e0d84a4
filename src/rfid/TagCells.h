#pragma once

#include <QByteArray>
#include <QString>
#include <array>

#include "rfid/RfidCommands.h"

// Where a form writes or reads: the tag kind, the memory, how the data are written, and the
// range of bytes.
struct TagArea {
    RfidCommands::TagKind kind = RfidCommands::TagKind::Label;
    RfidCommands::Memory memory = RfidCommands::Memory::Epc;
    RfidCommands::DataType type = RfidCommands::DataType::Hex;
    int start = 4;
    int count = 12;
};

// The 64 cells of the write and read forms: cell n (1 to 64) stands for the byte at start block
// n - 1 of the memory.
class TagCells {
public:
    static constexpr int kCount = 64;
    static constexpr int kPerRow = 12;
    static constexpr int kStartLimit = 69;   // start block + number of bytes may not exceed it
    static constexpr int kStartBlocks = 17;  // 0 to 16
    static constexpr int kMinimumBytes = 2;
    static constexpr int kMaximumBytes = 64;
    static constexpr QChar kUnread = QLatin1Char('-');

    using Texts = std::array<QString, kCount>;

    static bool FitsLimit(int start, int count) { return start + count <= kStartLimit; }

    // The answer of a read as cells: every cell "-", then from cell start + 1 on one byte per
    // cell (two hex characters, or one ASCII character) as long as `expected` characters last.
    // A zero byte, where the answer stopped short, ends a cell's text.
    static Texts FromReply(const QByteArray& buffer, int expected, RfidCommands::DataType type,
                           int start);
};
