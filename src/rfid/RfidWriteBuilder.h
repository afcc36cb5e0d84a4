#pragma once

#include <QStringList>

#include "rfid/RfidCommands.h"
#include "tester/CommandBuilder.h"

// The tester's data write line: hex or ASCII data for the EPC memory of a label's tag, laid out
// in 12 cells, one byte per cell, from start block 4 on. Cell n stands for block 4 + n - 1.
class RfidWriteBuilder : public CommandBuilder {
public:
    static constexpr int kCells = 12;
    static constexpr int kFirstBlock = 4;
    static constexpr int kLastBlock = 10;

    RfidWriteBuilder() { cells = QStringList(kCells, QString()); }

    void BeginOpening(Opening opening) override { reopened = opening == Opening::Again; }
    QList<QByteArray> Lines() const override;

    // The cells of the chosen range (first and last cell number) fit the 12 cells.
    bool RangeFits() const { return LastCell() <= kCells; }
    int FirstCell() const { return start - kFirstBlock + 1; }
    int LastCell() const { return start - kFirstBlock + count; }
    int CharsPerCell() const { return type == RfidCommands::DataType::Ascii ? 1 : 2; }
    // "Reset Data": the first-opening choices, every cell empty.
    void Reset();

    RfidCommands::DataType type = RfidCommands::DataType::Hex;
    int start = kFirstBlock;
    int count = kCells;
    QStringList cells;
    // Set from the second opening of the cycle on: the cells are laid out for the stored range.
    bool reopened = false;
};
