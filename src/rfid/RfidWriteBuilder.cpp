#include "rfid/RfidWriteBuilder.h"

QList<QByteArray> RfidWriteBuilder::Lines() const {
    return {RfidCommands::WriteData(RfidCommands::TagKind::Label, RfidCommands::Memory::Epc, type,
                                    start, count, cells.join(QString()).toLatin1(),
                                    RfidCommands::LineEnd::None)};
}

void RfidWriteBuilder::Reset() {
    const RfidWriteBuilder fresh;
    type = fresh.type;
    start = fresh.start;
    count = fresh.count;
    cells = fresh.cells;
}
