#pragma once

#include <gtest/gtest.h>
#include <QString>
#include <functional>
#include <string>

#include "link/PrinterPort.h"
#include "link/SystemPortPlatform.h"
#include "sim/Printer.h"
#include "sim/Server.h"
#include "support/QtPrinters.h"
#include "support/RecordingHost.h"

// A printer simulator in this process and the real link to it: TCP on 127.0.0.1 (an ephemeral
// port) or its pseudo-terminal, which the port name "COM1:" stands for. Pauses are kept for real.
class SimRig : public RecordingHost {
public:
    enum class Transport { Tcp, Pty };

    explicit SimRig(Transport transport, const std::string& modelName = "QX-M43");
    ~SimRig() override;

    // "ETHERNET" or "COM1:", as the main window names the port.
    QString PortName() const;
    NetworkTarget Target() const;
    // Opens the port as the main window would.
    bool Connect();
    ToolContext Context(int modelIndex = -1) { return ContextFor(port, modelIndex); }
    // The simulator works on its own thread: waits (10 s at most) until its state is `done`.
    bool WaitFor(const std::function<bool(const sim::PrinterState&)>& done);
    // Label commands get no answer: the bytes received once there are `size` of them, or what
    // came within 10 s.
    std::string ReceivedAtLeast(std::size_t size);

    const Transport transport;
    sim::Printer printer;
    sim::Server server;
    SystemPortPlatform platform;
    PrinterPort port;
};

// Both transports, for table-driven end-to-end tests.
inline constexpr SimRig::Transport kTransports[] = {SimRig::Transport::Tcp, SimRig::Transport::Pty};
const char* TransportName(SimRig::Transport transport);
// The name of a transport's test case: "Tcp" or "Pty".
std::string TransportTestName(const testing::TestParamInfo<SimRig::Transport>& test);
