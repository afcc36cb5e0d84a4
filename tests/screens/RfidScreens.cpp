#include <QAbstractButton>
#include <QLineEdit>

#include "rfid/DataCellGrid.h"
#include "rfid/RfidReadForm.h"
#include "rfid/RfidWriteForm.h"
#include "screens/Screens.h"
#include "support/TestRig.h"

namespace {

void Press(QWidget& form, const char* name) {
    if (auto* button = form.findChild<QAbstractButton*>(QLatin1String(name))) {
        button->click();
    }
}

// A write laid out for the EPC: 12 bytes from block 4, the first eight filled in.
TAGWELL_SCENE("rfid_write", [](TestRig& rig) {
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    auto form = std::make_unique<RfidWriteForm>(rig.Context());
    Press(*form, "setDataButton");
    const char* bytes[] = {"30", "08", "33", "B2", "DD", "D9", "01", "40"};
    auto* grid = form->findChild<DataCellGrid*>();
    for (int i = 0; i < 8; ++i) {
        grid->Cell(5 + i)->setText(QLatin1String(bytes[i]));
    }
    Press(*form, "dataBox");
    Press(*form, "maskEpcLeftBox");
    Press(*form, "actionEpcLeftBox");
    return form;
});

// The answer to the default read: the EPC in cells 5 to 16, the rest not read.
TAGWELL_SCENE("rfid_read", [](TestRig& rig) {
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    auto form = std::make_unique<RfidReadForm>(rig.Context());
    rig.link.QueueReply("300833B2DDD9014035050000");
    Press(*form, "readButton");
    rig.messages.Clear();
    return form;
});

}  // namespace
