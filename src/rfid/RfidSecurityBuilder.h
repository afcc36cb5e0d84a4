#pragma once

#include <optional>

#include "rfid/LockPayload.h"
#include "rfid/RfidCommands.h"
#include "tester/CommandBuilder.h"

// The tester's lock line: either a lock payload, locking or unlocking the areas it names, or the
// encoder's own lock or unlock of the whole tag.
class RfidSecurityBuilder : public CommandBuilder {
public:
    enum class Mode { Payload, Auto };

    // Every opening shows the stored mode as choosing it would: auto mode comes back locking.
    void BeginOpening(Opening) override { ChooseMode(mode); }
    QList<QByteArray> Lines() const override;

    // Auto mode always has a choice, "Lock" to begin with; payload mode has none.
    void ChooseMode(Mode chosen);

    Mode mode = Mode::Payload;
    bool unlock = false;  // the payload's own mode: unlock the areas instead of locking them
    LockPayload payload;
    std::optional<RfidCommands::LockMode> lockChoice;
};
