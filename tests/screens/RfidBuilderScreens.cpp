#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

#include "rfid/DataCellGrid.h"
#include "rfid/RfidKillBuilder.h"
#include "rfid/RfidKillLineForm.h"
#include "rfid/RfidPasswordBuilder.h"
#include "rfid/RfidPasswordLineForm.h"
#include "rfid/RfidReadBuilder.h"
#include "rfid/RfidReadLineForm.h"
#include "rfid/RfidSecurityBuilder.h"
#include "rfid/RfidSecurityLineForm.h"
#include "rfid/RfidWriteBuilder.h"
#include "rfid/RfidWriteLineForm.h"
#include "screens/Screens.h"
#include "support/TestRig.h"

namespace {

// A form with its builder, which lives as long as the form.
template <typename Builder, typename Form>
std::unique_ptr<Form> WithBuilder(TestRig& rig) {
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    auto* builder = new Builder;
    builder->BeginOpening(CommandBuilder::Opening::First);
    auto form = std::make_unique<Form>(*builder, rig.Context());
    QObject::connect(form.get(), &QObject::destroyed, [builder] { delete builder; });
    return form;
}

void Press(QWidget& form, const char* name) {
    if (auto* button = form.findChild<QAbstractButton*>(QLatin1String(name))) {
        button->click();
    }
}

TAGWELL_SCENE("tester_rfid_write",
              [](TestRig& rig) { return WithBuilder<RfidWriteBuilder, RfidWriteLineForm>(rig); });

// ASCII from block 6, three bytes typed.
TAGWELL_SCENE("tester_rfid_write_set", [](TestRig& rig) {
    auto form = WithBuilder<RfidWriteBuilder, RfidWriteLineForm>(rig);
    form->findChild<QComboBox*>(QStringLiteral("dataTypeList"))->setCurrentIndex(1);
    form->findChild<QComboBox*>(QStringLiteral("startBlockList"))->setCurrentIndex(2);
    form->findChild<QComboBox*>(QStringLiteral("byteCountList"))->setCurrentIndex(2);
    Press(*form, "setDataButton");
    auto* grid = form->findChild<DataCellGrid*>();
    const char* bytes[] = {"X", "Y", "Z"};
    for (int i = 0; i < 3; ++i) {
        grid->Cell(3 + i)->setText(QLatin1String(bytes[i]));
    }
    return form;
});

TAGWELL_SCENE("tester_rfid_read",
              [](TestRig& rig) { return WithBuilder<RfidReadBuilder, RfidReadLineForm>(rig); });

TAGWELL_SCENE("tester_rfid_password", [](TestRig& rig) {
    return WithBuilder<RfidPasswordBuilder, RfidPasswordLineForm>(rig);
});

TAGWELL_SCENE("tester_rfid_security", [](TestRig& rig) {
    auto form = WithBuilder<RfidSecurityBuilder, RfidSecurityLineForm>(rig);
    Press(*form, "maskEpcLeftBox");
    Press(*form, "actionEpcLeftBox");
    return form;
});

// Auto mode: the payload out of use, its ticks kept.
TAGWELL_SCENE("tester_rfid_security_auto", [](TestRig& rig) {
    auto form = WithBuilder<RfidSecurityBuilder, RfidSecurityLineForm>(rig);
    Press(*form, "maskEpcLeftBox");
    Press(*form, "autoRadio");
    Press(*form, "unlockRadio");
    return form;
});

TAGWELL_SCENE("tester_rfid_kill",
              [](TestRig& rig) { return WithBuilder<RfidKillBuilder, RfidKillLineForm>(rig); });

}  // namespace
