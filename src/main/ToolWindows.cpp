#include "main/ToolWindows.h"

#include "calibration/ManualCalibration.h"
#include "calibration/PrinterStatusDialog.h"
#include "forms/ToolContext.h"
#include "images/PcxDownloader.h"
#include "rfid/RfidConfigForm.h"
#include "rfid/RfidKillBuilder.h"
#include "rfid/RfidKillLineForm.h"
#include "rfid/RfidPasswordBuilder.h"
#include "rfid/RfidPasswordLineForm.h"
#include "rfid/RfidReadBuilder.h"
#include "rfid/RfidReadLineForm.h"
#include "rfid/RfidSecurityBuilder.h"
#include "rfid/RfidSecurityLineForm.h"
#include "rfid/RfidWriteBuilder.h"
#include "rfid/RfidWriteForm.h"
#include "rfid/RfidWriteLineForm.h"
#include "settings/UserSettingManager.h"
#include "tester/TesterWindow.h"
#include "transfer/FileTransferWindow.h"

namespace {

// The tester's own forms, and those of the folders that build on it.
TesterForms TesterFormsWithTools() {
    TesterForms forms = StandardTesterForms();
    forms.forms[TesterButton::CheckPrinterStatus] = [](const ToolContext& context,
                                                       QWidget* parent) {
        return std::make_unique<PrinterStatusDialog>(context, parent);
    };
    forms.builders[TesterButton::RfidWrite] = Builds<RfidWriteBuilder, RfidWriteLineForm>();
    forms.builders[TesterButton::RfidRead] = Builds<RfidReadBuilder, RfidReadLineForm>();
    forms.builders[TesterButton::RfidPassword] =
        Builds<RfidPasswordBuilder, RfidPasswordLineForm>();
    forms.builders[TesterButton::RfidSecurity] =
        Builds<RfidSecurityBuilder, RfidSecurityLineForm>();
    forms.builders[TesterButton::RfidKill] = Builds<RfidKillBuilder, RfidKillLineForm>();
    return forms;
}

}  // namespace

std::unique_ptr<QDialog> MakeToolWindow(Tool tool, const ToolContext& context, QWidget* parent) {
    switch (tool) {
        case Tool::UserSettingManager:
            return std::make_unique<UserSettingManager>(context, parent);
        case Tool::PcxFileDownloader:
            return std::make_unique<PcxDownloader>(context, parent);
        case Tool::TorqTester:
            return std::make_unique<TesterWindow>(context, parent, TesterFormsWithTools());
        case Tool::CalibrationSettingManager:
            return std::make_unique<ManualCalibration>(context, parent);
        case Tool::FileTransferManager:
            return std::make_unique<FileTransferWindow>(context, parent);
        case Tool::RfidConfiguration:
            return std::make_unique<RfidConfigForm>(context, parent);
        case Tool::RfidWriteRead:
            return std::make_unique<RfidWriteForm>(context, parent);
    }
    return nullptr;
}
