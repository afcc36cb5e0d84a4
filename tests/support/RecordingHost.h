#pragma once

#include <QStringList>

#include "forms/ToolContext.h"
#include "link/PortHost.h"
#include "support/RecordingFileChooser.h"
#include "support/RecordingMessages.h"
#include "support/RecordingPacer.h"

class PrinterPort;

// What a tool window talks to besides the port, recorded. As the port's host it lands the link's
// warnings and pauses in the same records as the window's own.
class RecordingHost : public PortHost {
public:
    // `realPauses`: wait for real too (against the simulator, where timing is part of the test).
    explicit RecordingHost(bool realPauses = false) : pacer(realPauses) {}

    // Forms are not run for real: each is recorded (by its title) and left as if cancelled, so a
    // test never waits on a modal window. Tests that play a form set their own runner.
    ToolContext ContextFor(PrinterPort& port, int modelIndex) {
        return ToolContext{port, messages, files, pacer, modelIndex, [this](QDialog& form) {
                               formsRun << form.windowTitle();
                               return QDialog::Rejected;
                           }};
    }

    void Warning(const QString& text) override { messages.Warning(text); }
    void Pause(int milliseconds) override { pacer.Pause(milliseconds); }
    void KeepPainted() override { pacer.KeepPainted(); }

    RecordingMessages messages;
    RecordingFileChooser files;
    RecordingPacer pacer;
    QStringList formsRun;
};
