#include "settings/PrintSwitchRows.h"

#include "settings/PrintSpeedTable.h"

SettingsProtocol::MemorySwitch PrintSwitchRows::SwitchOf(Row row) {
    return row == Row::Speed ? SettingsProtocol::MemorySwitch::SpeedAndCharacterSet
                             : SettingsProtocol::MemorySwitch::StrobeAndGapDetect;
}

void PrintSwitchRows::Forget(Row row, Fields& fields) {
    switch (row) {
        case Row::Strobe:
            fields.strobe.reset();
            break;
        case Row::GapDetect:
            fields.gapDetect.reset();
            break;
        case Row::Speed:
            break;
    }
}

bool PrintSwitchRows::Get(Row row, Fields& fields) {
    Forget(row, fields);
    const SettingsProtocol::SwitchReply reply =
        protocol_.ReadSwitch(SwitchOf(row), SettingsProtocol::kReplyPauseMs);
    if (!reply.received) {
        return false;
    }
    switch (row) {
        case Row::Strobe:
            fields.strobe = SwitchFourCodes::StrobeOf(reply.value);
            break;
        case Row::Speed:
            fields.speed = PrintSpeedTable::CodeOf(modelIndex_, reply.value);
            break;
        case Row::GapDetect:
            fields.gapDetect = SwitchFourCodes::GapDetectOf(reply.value);
            break;
    }
    return true;
}

bool PrintSwitchRows::Set(Row row, const Fields& fields) {
    std::uint8_t byte = 0;
    switch (row) {
        case Row::Strobe:
            byte = SwitchFourCodes::Byte(fields.strobe);
            break;
        case Row::Speed:
            byte = fields.speed.value_or(PrintSpeedTable::kDefaultCode);
            break;
        case Row::GapDetect:
            byte = SwitchFourCodes::Byte(fields.gapDetect);
            break;
    }
    return protocol_.WriteSwitch(SwitchOf(row), byte, true);
}
