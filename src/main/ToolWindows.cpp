#include "main/ToolWindows.h"

#include "forms/ToolContext.h"
#include "images/PcxDownloader.h"
#include "settings/UserSettingManager.h"
#include "tester/TesterWindow.h"

std::unique_ptr<QDialog> MakeToolWindow(Tool tool, const ToolContext& context, QWidget* parent) {
    switch (tool) {
        case Tool::UserSettingManager:
            return std::make_unique<UserSettingManager>(context, parent);
        case Tool::PcxFileDownloader:
            return std::make_unique<PcxDownloader>(context, parent);
        case Tool::TorqTester:
            return std::make_unique<TesterWindow>(context, parent);
        case Tool::CalibrationSettingManager:
        case Tool::FileTransferManager:
        case Tool::RfidConfiguration:
        case Tool::RfidWriteRead:
            break;
    }
    return nullptr;
}
