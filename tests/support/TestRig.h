#pragma once

#include <QString>

#include "forms/ToolContext.h"
#include "link/PortHost.h"
#include "link/PrinterPort.h"
#include "support/FakeLink.h"
#include "support/QtPrinters.h"
#include "support/RecordingFileChooser.h"
#include "support/RecordingMessages.h"
#include "support/RecordingPacer.h"

// Everything a tool window talks to, faked: a PrinterPort over a scripted FakeLink, whose
// warnings and pauses land in the same recording Messages and Pacer as the window's own.
class TestRig : public PortHost {
public:
    TestRig() : platform(link), port(platform, *this) {}

    // Opens the port as the main window would: "COM1:", "LPT1:", "USB" or "ETHERNET".
    bool Connect(const QString& portName);
    // Connect, then forget what the opening recorded.
    void ConnectAndClear(const QString& portName);
    ToolContext Context(int modelIndex = -1) {
        return ToolContext{port, messages, files, pacer, modelIndex};
    }

    void Warning(const QString& text) override { messages.Warning(text); }
    void Pause(int milliseconds) override { pacer.Pause(milliseconds); }
    void KeepPainted() override { pacer.KeepPainted(); }

    FakeLink link;
    FakePlatform platform;
    RecordingMessages messages;
    RecordingFileChooser files;
    RecordingPacer pacer;
    PrinterPort port;
};
