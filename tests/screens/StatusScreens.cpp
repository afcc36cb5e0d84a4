#include <QAbstractButton>
#include <QTabWidget>

#include "calibration/PrinterStatusDialog.h"
#include "calibration/StatusPage.h"
#include "screens/Screens.h"
#include "support/TestRig.h"

namespace {

// The status dialog on a serial printer, one page shown after its test button was pressed and
// the printer answered `reply`.
std::unique_ptr<QWidget> Status(TestRig& rig, PrinterStatusDialog::Page page, const char* button,
                                const QByteArray& reply) {
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    auto dialog = std::make_unique<PrinterStatusDialog>(rig.Context());
    dialog->Tabs()->setCurrentIndex(page);
    rig.link.QueueReply(reply);
    if (auto* test = dialog->findChild<QAbstractButton*>(QLatin1String(button))) {
        test->click();
    }
    rig.messages.Clear();
    return dialog;
}

TAGWELL_SCENE("status_cp", [](TestRig& rig) {
    // Cover open while a label is printing.
    return Status(rig, PrinterStatusDialog::ErrorsAndJob, "cpTestButton", "\x40\x40");
});

TAGWELL_SCENE("status_cu", [](TestRig& rig) {
    return Status(rig, PrinterStatusDialog::Errors, "cuTestButton", "\x84");
});

TAGWELL_SCENE("status_ee", [](TestRig& rig) {
    return Status(rig, PrinterStatusDialog::ErrorCode, "eeTestButton", "06\r\n");
});

TAGWELL_SCENE("status_cps", [](TestRig& rig) {
    return Status(rig, PrinterStatusDialog::MechanismErrors, "cpsTestButton", "\x13");
});

}  // namespace
