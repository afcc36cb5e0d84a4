// The settings pages against the printer simulator over TCP and a pseudo-terminal: what a page
// sets, the printer keeps, and the page reads it back. Over the pseudo-terminal these also show
// that a text reply read up to its line end, not its length, still brings the whole value.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <chrono>
#include <thread>

#include "settings/HardwareInfoPage.h"
#include "settings/PrintAndPagePage.h"
#include "settings/PrinterInfoPage.h"
#include "settings/SerialSettingsPage.h"
#include "support/SimRig.h"
#include "support/Widgets.h"

namespace {

class SettingsOver : public testing::TestWithParam<SimRig::Transport> {};

QString Name(const char* stem, const char* suffix) {
    return QLatin1String(stem) + QLatin1String(suffix);
}

// Gets a print page row (expecting `before`), sets `value` (negative when the row has a sign
// and `negative` is set), spoils the form and gets the row again: it must show what was set.
// The page is shown, so that a click lands on the sign box's own area.
void SetAndReadBack(QWidget& page, const char* stem, const char* before, const char* value,
                    bool negative = false) {
    page.show();
    auto* edit = Find<QLineEdit>(page, Name(stem, "Edit"));
    Click(page, Name(stem, "GetButton"));
    EXPECT_EQ(edit->text(), QLatin1String(before)) << stem;
    if (negative) {
        Click(page, Name(stem, "NegativeCheck"));
    }
    Type(edit, QLatin1String(value));
    Click(page, Name(stem, "SetButton"));
    if (negative) {
        Click(page, Name(stem, "NegativeCheck"));
    }
    Type(edit, QStringLiteral("1"));
    Click(page, Name(stem, "GetButton"));
    EXPECT_EQ(edit->text(), QLatin1String(value)) << stem;
    if (negative) {
        EXPECT_TRUE(Find<QAbstractButton>(page, Name(stem, "NegativeCheck"))->isChecked()) << stem;
    }
}

TEST_P(SettingsOver, PaperWidthAndSerialSwitchTravelBothWays) {
    SimRig rig(GetParam());
    ASSERT_TRUE(rig.Connect());
    PrintAndPagePage print(rig.Context(3));
    SetAndReadBack(print, "paperWidth", "832", "600");
    EXPECT_EQ(rig.printer.Snapshot().settings.userValues[0], 600);

    SerialSettingsPage serial(rig.Context());
    auto* stopBit = Find<QComboBox>(serial, "stopBitCombo");
    auto* baudrate = Find<QComboBox>(serial, "baudrateCombo");
    Click(serial, "serialGetButton");
    Choose(stopBit, 1);
    Choose(Find<QComboBox>(serial, "parityCheckCombo"), 1);
    Choose(baudrate, 2);
    Click(serial, "serialSetButton");
    Choose(baudrate, 0);
    Click(serial, "serialGetButton");
    EXPECT_EQ(baudrate->currentIndex(), 2);
    EXPECT_EQ(stopBit->currentIndex(), 1);
    // Looked at once a reply came: the printer takes the bytes on its own thread.
    EXPECT_EQ(rig.printer.Snapshot().settings.switches[2], 0x6A);

    EXPECT_EQ(rig.messages.Warnings(), QStringList());
    EXPECT_EQ(
        rig.messages.Informations(),
        Texts({"Getting paper width is successful", "Setting paper width is successful",
               "Getting paper width is successful", "Get serial communication status is successful",
               "Set serial communication status is successful",
               "Please, turn off the printer and turn on the printer",
               "Please, close application and re-connect printer",
               "Get serial communication status is successful"}));
}

TEST_P(SettingsOver, OffsetAndSpeedTravelBothWays) {
    SimRig rig(GetParam());
    ASSERT_TRUE(rig.Connect());
    PrintAndPagePage page(rig.Context(3));
    SetAndReadBack(page, "offset", "0", "15", true);
    EXPECT_EQ(rig.printer.Snapshot().settings.printOffset, -15);

    auto* speed = Find<QComboBox>(page, "speedCombo");
    Click(page, "speedGetButton");
    Choose(speed, 3);  // 100 mm/s
    Click(page, "speedSetButton");
    Choose(speed, 0);
    Click(page, "speedGetButton");
    EXPECT_EQ(speed->currentText(), QStringLiteral("100 mm/s"));
    EXPECT_EQ(rig.printer.Snapshot().settings.switches[3], 0x80);
    EXPECT_EQ(rig.messages.Warnings(), QStringList());
}

TEST_P(SettingsOver, AnIdentificationTextIsStoredAndReadBack) {
    SimRig rig(GetParam());
    ASSERT_TRUE(rig.Connect());
    HardwareInfoPage page(rig.Context());
    auto* edit = Find<QLineEdit>(page, "printerIdEdit");
    Type(edit, QStringLiteral("ABC"));
    Click(page, "printerIdSetButton");
    Type(edit, QString());
    Click(page, "printerIdGetButton");
    EXPECT_EQ(edit->text(), QStringLiteral("ABC"));
    EXPECT_EQ(rig.messages.Texts(), Texts({"Set printer ID is successful", "Printer ID is ABC."}));
    EXPECT_EQ(rig.printer.Snapshot().settings.texts[2], "ABC");
}

// A reply that comes after its query gave up must not be taken for the next query's answer (nor
// written back by a Set that follows). The serial time-out is shortened only to keep the case
// short: three read requests of 0.8 s on serial, one receive of 3 s on TCP, both shorter than the
// printer's delay.
TEST_P(SettingsOver, AReplyThatCameTooLateIsNotTheNextQuerysAnswer) {
    constexpr int kLateMs = 3500;
    SimRig rig(GetParam());
    ASSERT_TRUE(rig.Connect());
    if (rig.transport == SimRig::Transport::Pty) {
        ASSERT_TRUE(rig.port.SetTimeouts({.readTotalConstant = 800}));
    }
    PrintAndPagePage page(rig.Context(3));
    page.show();
    rig.server.SetMisbehaviour({.lateMs = kLateMs});
    QElapsedTimer sent;
    sent.start();
    Click(page, "paperWidthGetButton");
    rig.server.SetMisbehaviour({});
    // The width's reply arrives now, while nothing reads.
    std::this_thread::sleep_for(std::chrono::milliseconds(kLateMs + 500 - sent.elapsed()));
    Click(page, "paperLengthGetButton");
    EXPECT_EQ(Find<QLineEdit>(page, "paperLengthEdit")->text(), QStringLiteral("1200"));
    EXPECT_EQ(rig.messages.Warnings(), Texts({"Getting paper width is failed"}));
    EXPECT_EQ(rig.messages.Informations(), Texts({"Getting paper length is successful"}));
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
    Click(page, "printerInfoGetButton");
    QStringList shown;
    for (const char* label :
         {"modelNameLabel", "modelTypeLabel", "firmwareVersionLabel", "temperatureLabel"}) {
        shown << Find<QLabel>(page, label)->text();
    }
    // As received: the line end the printer sends shows as a line break.
    EXPECT_EQ(shown, Texts({"QX-R25\n", "TT\n", "V3.21\n", "38 Celsius"}));
    EXPECT_EQ(rig.messages.Texts(), Texts({"Get printer information is successful."}));
}

INSTANTIATE_TEST_SUITE_P(Transports, SettingsOver, testing::ValuesIn(kTransports),
                         TransportTestName);

}  // namespace
