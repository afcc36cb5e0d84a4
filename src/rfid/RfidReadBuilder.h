#pragma once

#include "rfid/RfidCommands.h"
#include "tester/CommandBuilder.h"

// The tester's data read line: the EPC memory of a label's tag, from start block 4 to 10, 1 to
// 12 bytes, sent back or printed.
class RfidReadBuilder : public CommandBuilder {
public:
    QList<QByteArray> Lines() const override {
        return {RfidCommands::ReadData(RfidCommands::TagKind::Label, RfidCommands::Memory::Epc,
                                       type, start, count, output, RfidCommands::LineEnd::None)};
    }

    RfidCommands::DataType type = RfidCommands::DataType::Hex;
    int start = 4;
    int count = 12;
    RfidCommands::Output output = RfidCommands::Output::Send;
};
