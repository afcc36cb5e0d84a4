#include "main/ToolWindows.h"

#include <QCoreApplication>

#include "forms/Messages.h"
#include "forms/ToolContext.h"

namespace {

// Shown for a tool this version does not have yet.
void NotYetAvailable(const ToolContext& context) {
    context.messages.Information(
        QCoreApplication::translate("ToolWindows", "This tool is not available in this version."));
}

}  // namespace

void OpenToolWindow(Tool tool, const ToolContext& context, QWidget* parent) {
    Q_UNUSED(parent);
    switch (tool) {
        case Tool::UserSettingManager:
            NotYetAvailable(context);
            break;
        case Tool::CalibrationSettingManager:
            NotYetAvailable(context);
            break;
        case Tool::PcxFileDownloader:
            NotYetAvailable(context);
            break;
        case Tool::FileTransferManager:
            NotYetAvailable(context);
            break;
        case Tool::RfidConfiguration:
            NotYetAvailable(context);
            break;
        case Tool::RfidWriteRead:
            NotYetAvailable(context);
            break;
        case Tool::TorqTester:
            NotYetAvailable(context);
            break;
    }
}
