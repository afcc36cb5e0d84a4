#include "main/ToolWindows.h"

#include "forms/BoxMessages.h"
#include "forms/ToolContext.h"
#include "images/PcxDownloader.h"
#include "settings/UserSettingManager.h"
#include "tester/TesterWindow.h"

void OpenToolWindow(Tool tool, const ToolContext& context, QWidget* parent) {
    Q_UNUSED(parent);
    switch (tool) {
        case Tool::UserSettingManager: {
            UserSettingManager window(context, parent);
            window.exec();
            break;
        }
        case Tool::CalibrationSettingManager:
            ShowNotYetAvailable(context.messages);
            break;
        case Tool::PcxFileDownloader: {
            PcxDownloader window(context, parent);
            window.exec();
            break;
        }
        case Tool::FileTransferManager:
            ShowNotYetAvailable(context.messages);
            break;
        case Tool::RfidConfiguration:
            ShowNotYetAvailable(context.messages);
            break;
        case Tool::RfidWriteRead:
            ShowNotYetAvailable(context.messages);
            break;
        case Tool::TorqTester: {
            TesterWindow window(context, parent);
            window.exec();
            break;
        }
    }
}
