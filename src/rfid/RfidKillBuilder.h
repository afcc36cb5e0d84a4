#pragma once

#include "rfid/RfidCommands.h"
#include "tester/CommandBuilder.h"

// The tester's kill line; it has nothing to choose.
class RfidKillBuilder : public CommandBuilder {
public:
    QList<QByteArray> Lines() const override {
        return {RfidCommands::Kill(RfidCommands::LineEnd::None)};
    }
};
