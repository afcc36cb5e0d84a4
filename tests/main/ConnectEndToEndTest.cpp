// Connect and model identification against the printer simulator over TCP and a pseudo-terminal.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTcpServer>

#include "forms/IpAddressField.h"
#include "main/MainWindow.h"
#include "support/FakeSpooler.h"
#include "support/SimRig.h"

namespace {

// Connects a main window to the rig's simulator the way a user would.
void ConnectWindow(MainWindow& window, SimRig& rig) {
    if (rig.transport == SimRig::Transport::Tcp) {
        window.findChild<QRadioButton*>(QStringLiteral("ethernetRadio"))->click();
        window.findChild<IpAddressField*>(QStringLiteral("ipField"))->SetAddress({127, 0, 0, 1});
        window.findChild<QLineEdit*>(QStringLiteral("portEdit"))
            ->setText(QString::number(rig.server.TcpPort()));
    }
    window.findChild<QPushButton*>(QStringLiteral("connectButton"))->click();
}

// Each transport is a test of its own, so CTest can run them side by side: a serial read waits
// for its whole length (up to 3 s) when the reply is shorter.
class ConnectOver : public testing::TestWithParam<SimRig::Transport> {};

TEST_P(ConnectOver, IdentifiesEveryModelAndItsVariants) {
    const std::pair<const char*, int> replies[] = {
        {"KV-510", 0}, {"KV-510II", 1}, {"QX-M40", 2},  {"QX-M43", 3},   {"QX-R42", 4},
        {"QX-R45", 5}, {"QX-R22", 6},   {"QX-R25", 7},  {"QX-R40", 2},   {"QX-R43", 3},
        {"qx-m40", 2}, {"kv-510ii", 1}, {"qx-r40", -1}, {"ZX-9000", -1},
    };
    for (const auto& [model, index] : replies) {
        SimRig rig(GetParam(), model);
        FakeSpooler spooler;
        MainWindow window(rig.Context(), spooler);
        ConnectWindow(window, rig);
        EXPECT_EQ(window.ModelIndex(), index) << model;
        EXPECT_TRUE(window.IsConnected());
        EXPECT_EQ(rig.messages.Texts(), QStringList{QStringLiteral("Success open port.")});
        EXPECT_EQ(rig.printer.Received(), "^PI0\r\n");
    }
}

TEST_P(ConnectOver, ASilentPrinterStillConnectsAndKeepsTheModel) {
    const SimRig::Transport transport = GetParam();
    SimRig rig(transport, "KV-510");
    FakeSpooler spooler;
    MainWindow window(rig.Context(), spooler);
    ConnectWindow(window, rig);
    ASSERT_EQ(window.ModelIndex(), 0);
    window.findChild<QPushButton*>(QStringLiteral("disconnectButton"))->click();

    rig.printer.SetModelName("QX-R25");
    rig.server.SetMisbehaviour({.silent = true});
    rig.messages.Clear();
    ConnectWindow(window, rig);
    EXPECT_EQ(window.ModelIndex(), 0) << TransportName(transport);
    EXPECT_EQ(window.ModelName(), QStringLiteral("KV-510"));
    EXPECT_TRUE(window.IsConnected());
    EXPECT_EQ(rig.messages.Texts(), QStringList{QStringLiteral("Success open port.")});
}

TEST(ConnectEndToEnd, GarbageOrALateReplyIsNoModel) {
    SimRig garbage(SimRig::Transport::Tcp, "QX-M43");
    garbage.server.SetMisbehaviour({.garbage = true});
    FakeSpooler firstSpooler;
    MainWindow first(garbage.Context(), firstSpooler);
    ConnectWindow(first, garbage);
    EXPECT_EQ(first.ModelIndex(), -1);
    EXPECT_TRUE(first.IsConnected());

    // A reply that comes well within the read's bound is still taken.
    SimRig late(SimRig::Transport::Pty, "QX-M43");
    late.server.SetMisbehaviour({.lateMs = 300});
    FakeSpooler secondSpooler;
    MainWindow second(late.Context(), secondSpooler);
    ConnectWindow(second, late);
    EXPECT_EQ(second.ModelIndex(), 3);
}

TEST(ConnectEndToEnd, ARefusedConnectionShowsBothMessages) {
    quint16 closedPort = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
        closedPort = probe.serverPort();
    }
    SimRig rig(SimRig::Transport::Tcp);
    FakeSpooler spooler;
    MainWindow window(rig.Context(), spooler);
    window.findChild<QRadioButton*>(QStringLiteral("ethernetRadio"))->click();
    window.findChild<IpAddressField*>(QStringLiteral("ipField"))->SetAddress({127, 0, 0, 1});
    window.findChild<QLineEdit*>(QStringLiteral("portEdit"))->setText(QString::number(closedPort));
    window.findChild<QPushButton*>(QStringLiteral("connectButton"))->click();
    EXPECT_EQ(rig.messages.Warnings(),
              (QStringList{QStringLiteral("Error : Failed to connect. Please, \ncheck IP port "
                                          "configuration in printer control pannel"),
                           QStringLiteral("Cannot open port! Please check printer and cable.")}));
    EXPECT_FALSE(window.IsConnected());
}

TEST_P(ConnectOver, APrinterThatDropsTheConnectionMidWriteEndsInFailureNotACrash) {
    const SimRig::Transport transport = GetParam();
    SimRig rig(transport);
    rig.server.SetMisbehaviour({.dropAfterBytes = 10});
    ASSERT_TRUE(rig.Connect());
    const QByteArray label = QByteArray("T20,20,3,1,1,0,0,N,N,'") + QByteArray(4000, 'x') + "'\r";
    // Within one transfer the connection is not made afresh: the writes fail.
    rig.port.SetKeepOpen(true);
    int result = 1;
    for (int attempt = 0; attempt < 20 && result != 0; ++attempt) {
        result = rig.port.Write(label);
    }
    rig.port.SetKeepOpen(false);
    EXPECT_EQ(result, 0) << TransportName(transport);
    EXPECT_EQ(rig.printer.Received().size(), 10u);
    QByteArray reply(32, '\0');
    EXPECT_LE(rig.port.Read(std::span<char>(reply.data(), 32), 32), 0);
}

INSTANTIATE_TEST_SUITE_P(Transports, ConnectOver, testing::ValuesIn(kTransports),
                         TransportTestName);

}  // namespace
