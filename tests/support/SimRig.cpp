#include "support/SimRig.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

SimRig::SimRig(Transport transport_, const std::string& modelName)
    : RecordingHost(true),
      transport(transport_),
      printer(modelName),
      server(printer),
      platform([this] { pacer.KeepPainted(); },
               [this](PortKind kind, const QString& portName) {
                   if (kind == PortKind::Serial && portName == QStringLiteral("COM1:")) {
                       return QString::fromStdString(server.PtyPath());
                   }
                   return SystemPortPlatform::DevicePathFor(kind, portName);
               }),
      port(platform, *this) {
    const bool ready = transport == Transport::Tcp ? server.ListenTcp(0) : server.OpenPty();
    EXPECT_TRUE(ready) << server.LastError();
    EXPECT_TRUE(server.Start()) << server.LastError();
}

SimRig::~SimRig() {
    port.Close();
    server.Stop();
}

bool SimRig::WaitFor(const std::function<bool(const sim::PrinterState&)>& done) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done(printer.Snapshot())) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

std::string SimRig::ReceivedAtLeast(std::size_t size) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    std::string received = printer.Received();
    while (received.size() < size && std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        received = printer.Received();
    }
    return received;
}

QString SimRig::PortName() const {
    return transport == Transport::Tcp ? QStringLiteral("ETHERNET") : QStringLiteral("COM1:");
}

NetworkTarget SimRig::Target() const {
    return {QStringLiteral("127.0.0.1"), server.TcpPort()};
}

bool SimRig::Connect() {
    port.SetPortName(PortName());
    if (transport == Transport::Tcp) {
        port.SetNetworkTarget(Target());
    } else {
        port.SetSerialParams({115200, Parity::None, 8, StopBits::One});
    }
    return port.Open();
}

const char* TransportName(SimRig::Transport transport) {
    return transport == SimRig::Transport::Tcp ? "TCP" : "pseudo-terminal";
}

std::string TransportTestName(const testing::TestParamInfo<SimRig::Transport>& test) {
    return test.param == SimRig::Transport::Tcp ? "Tcp" : "Pty";
}
