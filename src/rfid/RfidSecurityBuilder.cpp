#include "rfid/RfidSecurityBuilder.h"

QList<QByteArray> RfidSecurityBuilder::Lines() const {
    using LockMode = RfidCommands::LockMode;
    constexpr RfidCommands::LineEnd kEnd = RfidCommands::LineEnd::None;
    QByteArray line;
    if (mode == Mode::Payload) {
        line =
            RfidCommands::SetLockPayload(unlock ? LockMode::Unlock : LockMode::Lock, payload, kEnd);
    } else {
        line =
            lockChoice == LockMode::Unlock ? RfidCommands::Unlock(kEnd) : RfidCommands::Lock(kEnd);
    }
    return {line};
}

void RfidSecurityBuilder::ChooseMode(Mode chosen) {
    mode = chosen;
    if (mode == Mode::Auto) {
        lockChoice = RfidCommands::LockMode::Lock;
    } else {
        lockChoice.reset();
    }
}
