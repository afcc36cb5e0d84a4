// The settings pages against the printer simulator over TCP and a pseudo-terminal: what a page
// sets, the printer keeps, and the page reads it back. A serial read whose reply is shorter than
// its length waits for its time-out (about 3 s), so these cases stay few.
#include <gtest/gtest.h>

#include <QLabel>

#include "PageDriver.h"
#include "settings/HardwareInfoPage.h"
#include "settings/PrintAndPagePage.h"
#include "settings/PrinterInfoPage.h"
#include "settings/SerialSettingsPage.h"
#include "support/SimRig.h"

namespace {

class SettingsOver : public testing::TestWithParam<SimRig::Transport> {};

TEST_P(SettingsOver, PaperWidthAndSerialSwitchTravelBothWays) {
    SimRig rig(GetParam());
    ASSERT_TRUE(rig.Connect());
    PrintAndPagePage print(rig.Context(3));
    const PageDriver printUi(print);
    printUi.Click(QStringLiteral("paperWidthGetButton"));
    EXPECT_EQ(printUi.Text(QStringLiteral("paperWidthEdit")), QStringLiteral("832"));
    printUi.SetText(QStringLiteral("paperWidthEdit"), QStringLiteral("600"));
    printUi.Click(QStringLiteral("paperWidthSetButton"));
    printUi.SetText(QStringLiteral("paperWidthEdit"), QStringLiteral("1"));
    printUi.Click(QStringLiteral("paperWidthGetButton"));
    EXPECT_EQ(printUi.Text(QStringLiteral("paperWidthEdit")), QStringLiteral("600"));
    EXPECT_EQ(rig.printer.Snapshot().settings.userValues[0], 600);

    SerialSettingsPage serial(rig.Context());
    const PageDriver serialUi(serial);
    serialUi.Click(QStringLiteral("serialGetButton"));
    serialUi.Choose(QStringLiteral("stopBitCombo"), 1);
    serialUi.Choose(QStringLiteral("parityCheckCombo"), 1);
    serialUi.Choose(QStringLiteral("baudrateCombo"), 2);
    serialUi.Click(QStringLiteral("serialSetButton"));
    serialUi.Choose(QStringLiteral("baudrateCombo"), 0);
    serialUi.Click(QStringLiteral("serialGetButton"));
    EXPECT_EQ(serialUi.Index(QStringLiteral("baudrateCombo")), 2);
    EXPECT_EQ(serialUi.Index(QStringLiteral("stopBitCombo")), 1);
    // Looked at once a reply came: the printer takes the bytes on its own thread.
    EXPECT_EQ(rig.printer.Snapshot().settings.switches[2], 0x6A);

    EXPECT_EQ(rig.messages.Warnings(), QStringList());
    EXPECT_EQ(rig.messages.Informations(),
              Strings({"Getting paper width is successful", "Setting paper width is successful",
                       "Getting paper width is successful",
                       "Get serial communication status is successful",
                       "Set serial communication status is successful",
                       "Please, turn off the printer and turn on the printer",
                       "Please, close application and re-connect printer",
                       "Get serial communication status is successful"}));
}

TEST_P(SettingsOver, OffsetAndSpeedTravelBothWays) {
    SimRig rig(GetParam());
    ASSERT_TRUE(rig.Connect());
    PrintAndPagePage page(rig.Context(3));
    const PageDriver ui(page);
    ui.Click(QStringLiteral("offsetGetButton"));
    EXPECT_EQ(ui.Text(QStringLiteral("offsetEdit")), QStringLiteral("0"));
    ui.Find<QAbstractButton>(QStringLiteral("offsetNegativeCheck"))->setChecked(true);
    ui.SetText(QStringLiteral("offsetEdit"), QStringLiteral("15"));
    ui.Click(QStringLiteral("offsetSetButton"));
    ui.Find<QAbstractButton>(QStringLiteral("offsetNegativeCheck"))->setChecked(false);
    ui.Click(QStringLiteral("offsetGetButton"));
    EXPECT_EQ(ui.Text(QStringLiteral("offsetEdit")), QStringLiteral("15"));
    EXPECT_TRUE(ui.Checked(QStringLiteral("offsetNegativeCheck")));
    EXPECT_EQ(rig.printer.Snapshot().settings.printOffset, -15);

    ui.Click(QStringLiteral("speedGetButton"));
    ui.Choose(QStringLiteral("speedCombo"), 3);  // 100 mm/s
    ui.Click(QStringLiteral("speedSetButton"));
    ui.Choose(QStringLiteral("speedCombo"), 0);
    ui.Click(QStringLiteral("speedGetButton"));
    EXPECT_EQ(ui.Find<QComboBox>(QStringLiteral("speedCombo"))->currentText(),
              QStringLiteral("100 mm/s"));
    EXPECT_EQ(rig.printer.Snapshot().settings.switches[3], 0x80);
    EXPECT_EQ(rig.messages.Warnings(), QStringList());
}

TEST_P(SettingsOver, AnIdentificationTextIsStoredAndReadBack) {
    SimRig rig(GetParam());
    ASSERT_TRUE(rig.Connect());
    HardwareInfoPage page(rig.Context());
    const PageDriver ui(page);
    ui.SetText(QStringLiteral("printerIdEdit"), QStringLiteral("ABC"));
    ui.Click(QStringLiteral("printerIdSetButton"));
    ui.SetText(QStringLiteral("printerIdEdit"), QString());
    ui.Click(QStringLiteral("printerIdGetButton"));
    EXPECT_EQ(ui.Text(QStringLiteral("printerIdEdit")), QStringLiteral("ABC"));
    EXPECT_EQ(rig.messages.Texts(),
              Strings({"Set printer ID is successful", "Printer ID is ABC."}));
    EXPECT_EQ(rig.printer.Snapshot().settings.texts[2], "ABC");
}

TEST_P(SettingsOver, ThePrinterInformationPageShowsTheSimulatorsFacts) {
    SimRig rig(GetParam(), "QX-R25");
    rig.printer.Edit([](sim::PrinterState& state) {
        state.settings.modelType = "TT";
        state.settings.firmwareVersion = "V3.21";
        state.settings.headTemperature = 38;
    });
    ASSERT_TRUE(rig.Connect());
    PrinterInfoPage page(rig.Context());
    const PageDriver ui(page);
    ui.Click(QStringLiteral("printerInfoGetButton"));
    QStringList shown;
    for (const char* label :
         {"modelNameLabel", "modelTypeLabel", "firmwareVersionLabel", "temperatureLabel"}) {
        shown << ui.Find<QLabel>(QLatin1String(label))->text();
    }
    EXPECT_EQ(shown, Strings({"QX-R25", "TT", "V3.21", "38 Celsius"}));
    EXPECT_EQ(rig.messages.Texts(), Strings({"Get printer information is successful."}));
}

INSTANTIATE_TEST_SUITE_P(Transports, SettingsOver, testing::ValuesIn(kTransports),
                         [](const auto& info) {
                             return info.param == SimRig::Transport::Tcp ? "Tcp" : "Pty";
                         });

}  // namespace
