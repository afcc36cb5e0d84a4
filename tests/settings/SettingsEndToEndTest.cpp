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

QString Name(const char* stem, const char* suffix) {
    return QLatin1String(stem) + QLatin1String(suffix);
}

// Gets a print page row (expecting `before`), sets `value` (negative when the row has a sign
// and `negative` is set), spoils the form and gets the row again: it must show what was set.
void SetAndReadBack(const PageDriver& ui, const char* stem, const char* before, const char* value,
                    bool negative = false) {
    ui.Click(Name(stem, "GetButton"));
    EXPECT_EQ(ui.Text(Name(stem, "Edit")), QLatin1String(before)) << stem;
    if (negative) {
        ui.Find<QAbstractButton>(Name(stem, "NegativeCheck"))->setChecked(true);
    }
    ui.SetText(Name(stem, "Edit"), QLatin1String(value));
    ui.Click(Name(stem, "SetButton"));
    if (negative) {
        ui.Find<QAbstractButton>(Name(stem, "NegativeCheck"))->setChecked(false);
    }
    ui.SetText(Name(stem, "Edit"), QStringLiteral("1"));
    ui.Click(Name(stem, "GetButton"));
    EXPECT_EQ(ui.Text(Name(stem, "Edit")), QLatin1String(value)) << stem;
    if (negative) {
        EXPECT_TRUE(ui.Checked(Name(stem, "NegativeCheck"))) << stem;
    }
}

TEST_P(SettingsOver, PaperWidthAndSerialSwitchTravelBothWays) {
    SimRig rig(GetParam());
    ASSERT_TRUE(rig.Connect());
    PrintAndPagePage print(rig.Context(3));
    SetAndReadBack(PageDriver(print), "paperWidth", "832", "600");
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
    SetAndReadBack(ui, "offset", "0", "15", true);
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
                         TransportTestName);

}  // namespace
