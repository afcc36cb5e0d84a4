#pragma once

#include "forms/Messages.h"
#include "forms/Pacer.h"
#include "link/PortHost.h"

// Shows the link's warnings as message boxes and keeps its pauses with the Pacer.
class FormsPortHost : public PortHost {
public:
    FormsPortHost(Messages& messages, Pacer& pacer) : messages_(messages), pacer_(pacer) {}

    void Warning(const QString& text) override { messages_.Warning(text); }
    void Pause(int milliseconds) override { pacer_.Pause(milliseconds); }
    void KeepPainted() override { pacer_.KeepPainted(); }

private:
    Messages& messages_;
    Pacer& pacer_;
};
