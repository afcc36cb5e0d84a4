#pragma once

#include <QString>

#include "link/PrinterPort.h"
#include "support/FakeLink.h"
#include "support/QtPrinters.h"
#include "support/RecordingHost.h"

// Everything a tool window talks to, faked: a PrinterPort over a scripted FakeLink, whose
// warnings and pauses land in the same recording Messages and Pacer as the window's own.
class TestRig : public RecordingHost {
public:
    TestRig() : platform(link), port(platform, *this) {}

    // Opens the port as the main window would: "COM1:", "LPT1:", "USB" or "ETHERNET".
    bool Connect(const QString& portName);
    // Connect, then forget what the opening recorded.
    void ConnectAndClear(const QString& portName);
    ToolContext Context(int modelIndex = -1) { return ContextFor(port, modelIndex); }

    FakeLink link;
    FakePlatform platform;
    PrinterPort port;
};
