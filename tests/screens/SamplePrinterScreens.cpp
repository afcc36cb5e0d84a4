#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

#include "screens/Screens.h"
#include "support/TestRig.h"
#include "tester/CharacterSetForm.h"
#include "tester/TwoByteCodepageForm.h"

namespace {

TAGWELL_SCENE("tester_character_set", [](TestRig& rig) {
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    return std::make_unique<CharacterSetForm>(rig.Context());
});

// The vector font chosen, after an International run.
TAGWELL_SCENE("tester_character_set_vector", [](TestRig& rig) {
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    auto form = std::make_unique<CharacterSetForm>(rig.Context());
    form->findChild<QRadioButton*>(QStringLiteral("vectorRadio"))->click();
    form->findChild<QComboBox*>(QStringLiteral("tableList"))->setCurrentIndex(22);
    form->findChild<QPushButton*>(QStringLiteral("internationalButton"))->click();
    return form;
});

TAGWELL_SCENE("tester_two_byte_codepage", [](TestRig& rig) {
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    return std::make_unique<TwoByteCodepageForm>(rig.Context());
});

// JIS, every block, the vector font, stopped by a printer that went away.
TAGWELL_SCENE("tester_two_byte_codepage_jis", [](TestRig& rig) {
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    rig.link.writesBeforeFailure = 40;
    auto form = std::make_unique<TwoByteCodepageForm>(rig.Context());
    form->findChild<QComboBox*>(QStringLiteral("tableList"))->setCurrentIndex(3);
    form->findChild<QCheckBox*>(QStringLiteral("printAllBox"))->click();
    form->findChild<QRadioButton*>(QStringLiteral("vectorRadio"))->click();
    form->findChild<QPushButton*>(QStringLiteral("printButton"))->click();
    return form;
});

}  // namespace
