// When the main window takes a port away from the spooler and gives it back.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QRadioButton>

#include "link/PrinterPort.h"
#include "main/MainWindow.h"
#include "support/FakeLink.h"
#include "support/FakeSpooler.h"
#include "support/RecordingHost.h"
#include "support/Widgets.h"

namespace {

// Port names stand for devices "/dev/fake/COM1", "/dev/fake/LPT1" ...
FakePlatform& NamedDevices(FakePlatform& platform) {
    platform.nameDevices = true;
    return platform;
}

// A main window over a scripted link whose spooler notes whether the port was open at each call.
struct SpoolerRig : RecordingHost {
    SpoolerRig()
        : platform(link),
          port(NamedDevices(platform), *this),
          window(ContextFor(port, -1), spooler,
                 [](Tool, const ToolContext&, QWidget*) { return std::unique_ptr<QDialog>(); }) {
        for (const auto& [name, uri] : {std::pair{"com1", "serial:/dev/fake/COM1"},
                                        std::pair{"com10", "serial:/dev/fake/COM10"},
                                        std::pair{"lpt1", "parallel:/dev/fake/LPT1"}}) {
            SpoolerQueue queue;
            queue.name = QLatin1String(name);
            queue.deviceUri = QLatin1String(uri);
            spooler.queues.push_back(queue);
        }
        spooler.note = [this] {
            return port.IsOpen() ? QStringLiteral(" (port open)") : QString();
        };
        window.show();
    }
    void Choose(PortKind kind) {
        static const char* const radios[] = {"serialRadio", "parallelRadio", "usbRadio",
                                             "ethernetRadio"};
        Click(window, radios[static_cast<int>(kind)]);
    }
    QStringList TakeEvents() { return std::exchange(spooler.events, {}); }

    FakeLink link;
    FakePlatform platform;
    PrinterPort port;
    FakeSpooler spooler;
    MainWindow window;
};

// Serial and parallel queues of the chosen port are stopped before the port opens and started
// after it closed; USB and Ethernet leave the spooler alone.
TEST(MainWindowSpooler, HoldsTheSerialOrParallelPortsQueuesWhileConnected) {
    struct Case {
        PortKind kind;
        int com;
        QStringList connect;
        QStringList disconnect;
    };
    const Case cases[] = {
        {.kind = PortKind::Serial,
         .com = 0,
         .connect = Texts({"list", "stop com1"}),
         .disconnect = Texts({"list", "start com1"})},
        {.kind = PortKind::Serial,
         .com = 9,
         .connect = Texts({"list", "stop com10"}),
         .disconnect = Texts({"list", "start com10"})},
        {.kind = PortKind::Parallel,
         .com = 0,
         .connect = Texts({"list", "stop lpt1"}),
         .disconnect = Texts({"list", "start lpt1"})},
        {.kind = PortKind::Usb, .com = 0, .connect = {}, .disconnect = {}},
        {.kind = PortKind::Ethernet, .com = 0, .connect = {}, .disconnect = {}},
    };
    for (const Case& test : cases) {
        SpoolerRig rig;
        rig.Choose(test.kind);
        ::Choose(Find<QComboBox>(rig.window, "comPortCombo"), test.com);
        Click(rig.window, "connectButton");
        ASSERT_TRUE(rig.window.IsConnected());
        EXPECT_EQ(rig.TakeEvents(), test.connect) << static_cast<int>(test.kind);
        Click(rig.window, "disconnectButton");
        EXPECT_EQ(rig.TakeEvents(), test.disconnect) << static_cast<int>(test.kind);
        Click(rig.window, "exitButton");  // nothing left to give back
        EXPECT_TRUE(rig.TakeEvents().isEmpty());
    }
}

// Closing gives the queues back whatever the link is now, and lets go of the port first.
TEST(MainWindowSpooler, ClosingGivesBackWhatAFailedConnectHeld) {
    struct Case {
        const char* name;
        std::function<void(SpoolerRig&)> beforeClosing;
        std::function<void(MainWindow&)> close;
    };
    const Case cases[] = {
        {"USB connect, Exit",
         [](SpoolerRig& rig) {
             rig.link.openFails = false;
             rig.Choose(PortKind::Usb);
             Click(rig.window, "connectButton");
             ASSERT_TRUE(rig.window.IsConnected());
         },
         [](MainWindow& window) { Click(window, "exitButton"); }},
        {"serial connect, Escape",
         [](SpoolerRig& rig) {
             rig.link.openFails = false;
             Click(rig.window, "connectButton");
             ASSERT_TRUE(rig.window.IsConnected());
             ASSERT_TRUE(rig.port.IsOpen());
         },
         [](MainWindow& window) { QTest::keyClick(&window, Qt::Key_Escape); }},
        {"nothing else, Exit", [](SpoolerRig&) {},
         [](MainWindow& window) { Click(window, "exitButton"); }},
    };
    for (const Case& test : cases) {
        SpoolerRig rig;
        rig.link.openFails = true;
        Click(rig.window, "connectButton");
        ASSERT_FALSE(rig.window.IsConnected());
        Click(rig.window, "connectButton");
        EXPECT_EQ(rig.TakeEvents(), Texts({"list", "stop com1", "list"})) << test.name;
        test.beforeClosing(rig);
        rig.TakeEvents();
        test.close(rig.window);
        EXPECT_FALSE(rig.window.isVisible()) << test.name;
        EXPECT_EQ(rig.TakeEvents(), Texts({"list", "start com1"})) << test.name;
        EXPECT_FALSE(rig.port.IsOpen()) << test.name;
    }
}

}  // namespace
