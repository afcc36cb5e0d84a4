#include <gtest/gtest.h>

#include <cerrno>
#include <functional>

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include "forms/IpAddressField.h"
#include "main/MainWindow.h"
#include "support/FakeSpooler.h"
#include "support/TestRig.h"
#include "support/Widgets.h"

namespace {

const QStringList kToolButtons = {
    QStringLiteral("userSettingButton"),   QStringLiteral("calibrationButton"),
    QStringLiteral("pcxDownloaderButton"), QStringLiteral("fileTransferButton"),
    QStringLiteral("rfidConfigButton"),    QStringLiteral("rfidWriteReadButton"),
    QStringLiteral("testerButton")};
const QStringList kSerialFields = {QStringLiteral("comPortCombo"), QStringLiteral("baudRateCombo"),
                                   QStringLiteral("dataBitsCombo"), QStringLiteral("parityCombo"),
                                   QStringLiteral("stopBitsCombo")};
const QStringList kRadios = {QStringLiteral("serialRadio"), QStringLiteral("parallelRadio"),
                             QStringLiteral("usbRadio"), QStringLiteral("ethernetRadio")};

struct Window {
    explicit Window(TestRig& rig)
        : testRig(rig),
          window(rig.Context(), spooler, [this](Tool tool, const ToolContext& context, QWidget*) {
              opened.push_back(tool);
              openedWithModel = context.modelIndex;
              auto tool_window = std::make_unique<QDialog>();
              tool_window->setWindowTitle(QString::number(static_cast<int>(tool)));
              return tool_window;
          }) {
        window.show();
    }
    template <typename T = QWidget>
    T* Find(const QString& name) {
        return ::Find<T>(window, name);
    }
    bool Enabled(const QString& name) { return Find(name)->isEnabled(); }
    void Click(const QString& name) { ::Click(window, name); }
    void Choose(PortKind kind) { ::Click(Find<QRadioButton>(kRadios[static_cast<int>(kind)])); }
    // Every tool window made was also run.
    void ExpectRunAsOpened() const {
        QStringList titles;
        for (const Tool tool : opened) {
            titles << QString::number(static_cast<int>(tool));
        }
        EXPECT_EQ(testRig.formsRun, titles);
    }

    // The enabled state of: LPT, serial fields, IP and Port, radios, Connect, Disconnect, tools.
    std::vector<bool> State() {
        const auto all = [this](const QStringList& names) {
            bool on = Enabled(names.front());
            for (const QString& name : names) {
                EXPECT_EQ(Enabled(name), on) << name.toStdString() << " differs from its group";
            }
            return on;
        };
        return {Enabled(QStringLiteral("lptPortCombo")),
                all(kSerialFields),
                all({QStringLiteral("ipField"), QStringLiteral("portEdit")}),
                all(kRadios),
                Enabled(QStringLiteral("connectButton")),
                Enabled(QStringLiteral("disconnectButton")),
                all(kToolButtons)};
    }

    TestRig& testRig;
    FakeSpooler spooler;  // no queues: the window never reaches the machine's spooler
    std::vector<Tool> opened;
    int openedWithModel = -2;
    MainWindow window;
};

TEST(MainWindow, StartsWithTitleDefaultsAndTheSerialRow) {
    TestRig rig;
    Window w(rig);
    EXPECT_EQ(w.window.windowTitle(), QStringLiteral("Tagwell  (Version 1.4.2)"));
    EXPECT_FALSE(w.window.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_TRUE(w.Find<QRadioButton>(QStringLiteral("serialRadio"))->isChecked());
    const std::pair<const char*, const char*> defaults[] = {
        {"lptPortCombo", "LPT1:"}, {"comPortCombo", "COM1:"}, {"baudRateCombo", "115200"},
        {"dataBitsCombo", "8"},    {"parityCombo", "None"},   {"stopBitsCombo", "1"}};
    for (const auto& [name, text] : defaults) {
        EXPECT_EQ(w.Find<QComboBox>(QLatin1String(name))->currentText(), QLatin1String(text));
    }
    EXPECT_EQ(w.Find<QComboBox>(QStringLiteral("comPortCombo"))->count(), 10);
    EXPECT_EQ(w.Find<QComboBox>(QStringLiteral("comPortCombo"))->itemText(9),
              QStringLiteral("COM10:"));
    EXPECT_EQ(w.Find<QLineEdit>(QStringLiteral("portEdit"))->text(), QStringLiteral("9100"));
    const auto address = w.Find<IpAddressField>(QStringLiteral("ipField"))->Address();
    EXPECT_EQ(address[0], 192);
    EXPECT_EQ(address[1], 168);
    EXPECT_EQ(w.State(), (std::vector<bool>{false, true, false, true, true, false, false}));
}

TEST(MainWindow, TheRowFollowsTheCheckedInterfaceHoweverItWasChecked) {
    // A click, the program, and a screen reader's toggle action all check the button; the row
    // must follow each.
    const std::pair<const char*, std::function<void(QRadioButton*)>> ways[] = {
        {"click", [](QRadioButton* button) { Click(button); }},
        {"setChecked", [](QRadioButton* button) { button->setChecked(true); }},
        {"accessible toggle",
         [](QRadioButton* button) {
             QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
             ASSERT_NE(accessible, nullptr);
             ASSERT_NE(accessible->actionInterface(), nullptr);
             accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
         }},
    };
    for (const auto& [way, check] : ways) {
        TestRig rig;
        Window w(rig);
        check(w.Find<QRadioButton>(QStringLiteral("ethernetRadio")));
        EXPECT_EQ(w.State(), (std::vector<bool>{false, false, true, true, true, false, false}))
            << way;
        check(w.Find<QRadioButton>(QStringLiteral("parallelRadio")));
        EXPECT_EQ(w.State(), (std::vector<bool>{true, false, false, true, true, false, false}))
            << way;
    }
}

TEST(MainWindow, EveryInterfaceAppliesItsRowConnectedOrNot) {
    struct Case {
        PortKind choice;
        const char* portName;
        std::vector<bool> chosen;  // LPT, serial, IP/Port, radios, Connect, Disconnect, tools
        std::vector<bool> connected;
        std::vector<bool> disconnected;
    };
    const Case cases[] = {
        {.choice = PortKind::Serial,
         .portName = "COM1:",
         .chosen = {false, true, false, true, true, false, false},
         .connected = {false, false, false, false, false, true, true},
         .disconnected = {false, true, false, true, true, false, false}},
        {.choice = PortKind::Parallel,
         .portName = "LPT1:",
         .chosen = {true, false, false, true, true, false, false},
         .connected = {false, false, false, false, false, true, true},
         .disconnected = {true, false, false, true, true, false, false}},
        {.choice = PortKind::Usb,
         .portName = "USB",
         .chosen = {false, false, false, true, true, false, false},
         .connected = {false, false, false, false, false, true, true},
         .disconnected = {false, false, false, true, true, false, false}},
        {.choice = PortKind::Ethernet,
         .portName = "ETHERNET",
         .chosen = {false, false, true, true, true, false, false},
         .connected = {false, false, true, false, false, true, true},
         .disconnected = {false, false, true, true, true, false, false}},
    };
    for (const Case& c : cases) {
        TestRig rig;
        Window w(rig);
        w.Choose(c.choice);
        EXPECT_EQ(w.State(), c.chosen) << c.portName;
        w.Click(QStringLiteral("connectButton"));
        EXPECT_EQ(rig.port.PortName(), QLatin1String(c.portName));
        EXPECT_TRUE(w.window.IsConnected());
        EXPECT_EQ(w.State(), c.connected) << c.portName;
        w.Click(QStringLiteral("disconnectButton"));
        EXPECT_EQ(w.State(), c.disconnected) << c.portName;
    }
}

TEST(MainWindow, ConnectHandsOverTheSerialParametersAndTheNetworkTarget) {
    TestRig rig;
    Window w(rig);
    w.Find<QComboBox>(QStringLiteral("baudRateCombo"))->setCurrentIndex(1);
    w.Find<QComboBox>(QStringLiteral("dataBitsCombo"))->setCurrentIndex(0);
    w.Find<QComboBox>(QStringLiteral("parityCombo"))->setCurrentIndex(2);
    w.Find<QComboBox>(QStringLiteral("stopBitsCombo"))->setCurrentIndex(1);
    w.Find<QComboBox>(QStringLiteral("comPortCombo"))->setCurrentIndex(9);
    w.Click(QStringLiteral("connectButton"));
    EXPECT_EQ(rig.link.events.front(), QStringLiteral("open Serial COM10:"));
    EXPECT_EQ(rig.link.configured.baudRate, 19200u);
    EXPECT_EQ(rig.link.configured.dataBits, 7);
    EXPECT_EQ(rig.link.configured.parity, Parity::Even);
    EXPECT_EQ(rig.link.configured.stopBits, StopBits::OneAndHalf);

    TestRig ethernet;
    Window e(ethernet);
    e.Choose(PortKind::Ethernet);
    e.Find<IpAddressField>(QStringLiteral("ipField"))->SetAddress({10, 0, 0, 7});
    e.Find<QLineEdit>(QStringLiteral("portEdit"))->setText(QStringLiteral("6101"));
    e.Click(QStringLiteral("connectButton"));
    EXPECT_EQ(ethernet.link.events.front(), QStringLiteral("connect 10.0.0.7:6101"));
}

TEST(MainWindow, ConnectIdentifiesTheModelAndAnnouncesSuccess) {
    TestRig rig;
    rig.link.Answer("^PI0\r\n", "qx-r45\r\n");
    Window w(rig);
    w.Click(QStringLiteral("connectButton"));
    EXPECT_EQ(rig.link.writes, std::vector<QByteArray>{"^PI0\r\n"});
    EXPECT_EQ(rig.link.readSizes.front(), 32);
    // The reply is a line: the read ends at its line feed; anything stale went first.
    EXPECT_EQ(rig.link.readEnds.front(), ReadEnd::LineEnd);
    EXPECT_EQ(rig.link.discards, 1);
    EXPECT_EQ(rig.pacer.pauses.front(), 10);
    EXPECT_EQ(w.window.ModelIndex(), 5);
    EXPECT_EQ(w.window.ModelName(), QStringLiteral("qx-r45"));
    EXPECT_EQ(rig.messages.Informations(), QStringList{QStringLiteral("Success open port.")});

    // Tools open with the model known at that moment.
    w.Click(QStringLiteral("userSettingButton"));
    EXPECT_EQ(w.opened, std::vector<Tool>{Tool::UserSettingManager});
    EXPECT_EQ(w.openedWithModel, 5);
    w.ExpectRunAsOpened();

    // The model survives Disconnect; a later Connect without a reply keeps it.
    w.Click(QStringLiteral("disconnectButton"));
    rig.link.answers.clear();
    w.Click(QStringLiteral("connectButton"));
    EXPECT_EQ(w.window.ModelIndex(), 5);
    EXPECT_EQ(w.window.ModelName(), QStringLiteral("qx-r45"));
    EXPECT_EQ(rig.messages.Informations().size(), 2);
}

TEST(MainWindow, AFailedOpenWarnsAndStaysDisconnected) {
    TestRig rig;
    rig.link.openFails = true;
    Window w(rig);
    w.Click(QStringLiteral("connectButton"));
    EXPECT_EQ(rig.messages.Warnings(),
              QStringList{QStringLiteral("Cannot open port! Please check printer and cable.")});
    EXPECT_FALSE(w.window.IsConnected());
    EXPECT_TRUE(rig.link.writes.empty());
    EXPECT_EQ(w.State(), (std::vector<bool>{false, true, false, true, true, false, false}));
}

TEST(MainWindow, ARefusedOrUnreachableTcpConnectionShowsBothMessages) {
    struct Case {
        const char* port;
        bool refused;  // the printer refuses the connection
        bool tried;    // a connection was attempted at all
    };
    const Case cases[] = {
        {.port = "9100", .refused = true, .tried = true},
        // No TCP port has a number outside 0..65535: it fails as a refused connection would,
        // without trying the port the number would wrap to.
        {.port = "65536", .refused = false, .tried = false},
        {.port = "70000", .refused = false, .tried = false},
        {.port = "-1", .refused = false, .tried = false},
    };
    for (const Case& c : cases) {
        TestRig rig;
        rig.link.connectFails = c.refused;
        Window w(rig);
        w.Choose(PortKind::Ethernet);
        Type(w.Find<QLineEdit>(QStringLiteral("portEdit")), QLatin1String(c.port));
        w.Click(QStringLiteral("connectButton"));
        EXPECT_EQ(
            rig.messages.Warnings(),
            (QStringList{QStringLiteral("Error : Failed to connect. Please, \ncheck IP port "
                                        "configuration in printer control pannel"),
                         QStringLiteral("Cannot open port! Please check printer and cable.")}))
            << c.port;
        EXPECT_EQ(rig.link.events.filter(QRegularExpression(QStringLiteral("^connect "))).size(),
                  c.tried ? 1 : 0)
            << c.port;
        EXPECT_FALSE(w.window.IsConnected()) << c.port;
    }
}

TEST(MainWindow, UsbConnectLeavesTheDeviceClosed) {
    TestRig rig;
    Window w(rig);
    w.Choose(PortKind::Usb);
    w.Click(QStringLiteral("connectButton"));
    // Connect, then the model query: dropping a late reply, the query, its reply.
    QStringList openings;
    for (int i = 0; i < 4; ++i) {
        openings << QStringLiteral("open USB USB") << QStringLiteral("close");
    }
    EXPECT_EQ(rig.link.events, openings);
    EXPECT_FALSE(rig.port.IsOpen());
    w.Click(QStringLiteral("disconnectButton"));
    EXPECT_EQ(rig.link.events.size(), 8);  // nothing to close
}

// Why a device could not be opened goes under the failure message, with what a person can do:
// the group to join is the one the device belongs to.
TEST(MainWindow, AFailedOpenSaysWhyUnderTheFailureMessage) {
    const struct Case {
        PortKind kind;
        OpenFailure failure;
        QString details;  // empty: the failure message alone
    } cases[] = {
        {PortKind::Usb,
         {DeviceFault::NoUsbPrinter, {}, 0},
         QStringLiteral("No supported USB printer is connected.")},
        {PortKind::Usb,
         {DeviceFault::Permission, QStringLiteral("/dev/usb/lp0"), EACCES},
         QStringLiteral("You may not open /dev/usb/lp0: add your user to the group \"lp\" and log "
                        "in again. Tagwell's udev rule (60-tagwell-printers.rules, in its "
                        "package) gives that group the printer.")},
        {PortKind::Serial,
         {DeviceFault::Permission, QStringLiteral("/dev/ttyUSB0"), EACCES},
         QStringLiteral("You may not open /dev/ttyUSB0: add your user to the group \"dialout\" "
                        "and log in again.")},
        {PortKind::Parallel,
         {DeviceFault::Busy, QStringLiteral("/dev/lp0"), EBUSY},
         QStringLiteral("/dev/lp0 is held by another program (a print queue or another Tagwell, "
                        "say). Close it and connect again.")},
        {PortKind::Serial,
         {DeviceFault::NotFound, {}, ENOENT},
         QStringLiteral("No device stands for COM1: on this computer.")},
        {PortKind::Parallel,
         {DeviceFault::Other, QStringLiteral("/dev/lp0"), EIO},
         QStringLiteral("/dev/lp0 could not be opened: Input/output error.")},
        {PortKind::Serial, {DeviceFault::None, {}, 0}, QString()},
    };
    for (const Case& c : cases) {
        TestRig rig;
        rig.link.openFails = true;
        rig.link.openFailure = c.failure;
        Window w(rig);
        w.Choose(c.kind);
        w.Click(QStringLiteral("connectButton"));
        QString expected = QStringLiteral("Cannot open port! Please check printer and cable.");
        if (!c.details.isEmpty()) {
            expected += QStringLiteral("\n\n") + c.details;
        }
        EXPECT_EQ(rig.messages.Texts(), QStringList{expected});
        EXPECT_FALSE(w.window.IsConnected());
    }
}

TEST(MainWindow, TheUsbPrinterFoundIsNamedWhileUsbIsChosen) {
    TestRig rig;
    Window w(rig);
    auto* line = w.Find<QLabel>(QStringLiteral("usbDeviceLabel"));
    EXPECT_FALSE(line->isVisible());
    w.Choose(PortKind::Usb);
    EXPECT_TRUE(line->isVisible());
    EXPECT_EQ(line->text(), QStringLiteral("No supported USB printer found"));
    // Plugged in meanwhile: found when USB is chosen again, and on Connect.
    rig.platform.usbPrinter = UsbPrinter{QStringLiteral("/dev/usb/lp2"), 1};
    w.Choose(PortKind::Serial);
    EXPECT_FALSE(line->isVisible());
    w.Choose(PortKind::Usb);
    EXPECT_EQ(line->text(), QStringLiteral("USB printer: KV-510II on /dev/usb/lp2"));
    rig.platform.usbPrinter = UsbPrinter{QStringLiteral("/dev/usb/lp0"), 2};
    w.Click(QStringLiteral("connectButton"));
    EXPECT_EQ(line->text(), QStringLiteral("USB printer: QX-M40 on /dev/usb/lp0"));
}

TEST(MainWindow, APortThatIsNotAnIntegerWarnsConnectGoesOnExitStays) {
    TestRig rig;
    Window w(rig);
    w.Choose(PortKind::Ethernet);
    auto* port = w.Find<QLineEdit>(QStringLiteral("portEdit"));
    port->setText(QStringLiteral("91x"));
    w.Click(QStringLiteral("connectButton"));
    EXPECT_EQ(rig.messages.Texts().front(), QStringLiteral("Please enter an integer."));
    // Connect went on with the last valid number.
    EXPECT_TRUE(rig.link.events.front().endsWith(QStringLiteral(":9100")));
    EXPECT_TRUE(w.window.IsConnected());

    rig.messages.Clear();
    w.Click(QStringLiteral("exitButton"));
    EXPECT_EQ(rig.messages.Texts(), QStringList{QStringLiteral("Please enter an integer.")});
    EXPECT_TRUE(w.window.isVisible());

    port->setText(QStringLiteral("9100"));
    w.Click(QStringLiteral("exitButton"));
    EXPECT_FALSE(w.window.isVisible());
    EXPECT_EQ(w.window.result(), QDialog::Accepted);
}

TEST(MainWindow, EnterActsAsExitAndEscapeClosesWithoutReading) {
    TestRig rig;
    Window w(rig);
    w.Choose(PortKind::Ethernet);
    auto* port = w.Find<QLineEdit>(QStringLiteral("portEdit"));
    port->setText(QStringLiteral("x"));
    port->setFocus();
    QTest::keyClick(port, Qt::Key_Return);
    EXPECT_EQ(rig.messages.Texts(), QStringList{QStringLiteral("Please enter an integer.")});
    EXPECT_TRUE(w.window.isVisible());

    // Enter on a button presses that button.
    auto* connectButton = w.Find<QPushButton>(QStringLiteral("connectButton"));
    connectButton->setFocus();
    QTest::keyClick(connectButton, Qt::Key_Return);
    EXPECT_TRUE(w.window.IsConnected());

    rig.messages.Clear();
    QTest::keyClick(&w.window, Qt::Key_Escape);
    EXPECT_FALSE(w.window.isVisible());
    EXPECT_TRUE(rig.messages.entries.empty());
}

TEST(MainWindow, CalibrationIsRefusedWheneverEthernetIsChosen) {
    TestRig rig;
    Window w(rig);
    w.Choose(PortKind::Ethernet);
    w.Click(QStringLiteral("connectButton"));
    w.Click(QStringLiteral("calibrationButton"));
    EXPECT_EQ(rig.messages.Warnings(),
              QStringList{QStringLiteral("Calibration is not supported on Ethernet connection.")});
    EXPECT_TRUE(w.opened.empty());
    w.Click(QStringLiteral("pcxDownloaderButton"));
    w.Click(QStringLiteral("testerButton"));
    EXPECT_EQ(w.opened, (std::vector<Tool>{Tool::PcxFileDownloader, Tool::TorqTester}));
    w.ExpectRunAsOpened();
}

}  // namespace
