#pragma once

#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <memory>
#include <optional>

#include "link/PrinterPort.h"
#include "link/SystemPortPlatform.h"
#include "sim/Printer.h"
#include "sim/Server.h"
#include "support/RecordingHost.h"
#include "usb/UsbTestbed.h"

// The links a printer can be reached by, each over a real transport: TCP on 127.0.0.1, a
// pseudo-terminal opened as the serial line "COM1:" or as the parallel port "LPT1:", and the
// node of a USB printer on umockdev's fake device tree.
enum class Link { Tcp, Serial, Parallel, Usb };

// The system's devices, except that a pseudo-terminal opened as a parallel port reports the
// status of a ready printer: the lp driver's status lines have no terminal counterpart.
class LinePlatform : public SystemPortPlatform {
public:
    using SystemPortPlatform::SystemPortPlatform;
    DeviceOpening OpenDevice(PortKind kind, const QString& portName) override;
};

// A printer simulator behind one link, and the program's own PrinterPort to it. The line itself
// outlives the printer: the rig holds the pseudo-terminal's master side, so a printer that dies
// leaves a cable with nobody at its end (as a switched-off printer does), and a printer started
// again is found on the same device.
class FaultRig : public RecordingHost {
public:
    explicit FaultRig(Link link);
    ~FaultRig() override;
    FaultRig(const FaultRig&) = delete;
    FaultRig& operator=(const FaultRig&) = delete;

    // False, with the reason, when the link cannot be made here (USB without umockdev).
    bool Ready() const { return ready_; }
    const QString& Problem() const { return problem_; }

    // "ETHERNET", "COM1:", "LPT1:" or "USB".
    QString PortName() const;
    std::uint16_t TcpPort() const { return tcpPort_; }
    // Opens the port as the main window would.
    bool Connect();
    ToolContext Context(int modelIndex = 3) { return ContextFor(port, modelIndex); }

    void Misbehave(const sim::Misbehaviour& misbehaviour) {
        server_->SetMisbehaviour(misbehaviour);
    }
    // The printer switched on again: a new server with no misbehaviour on the same TCP port or
    // line. What the dead printer left unread in the line is gone, as a restart clears it.
    bool StartAgain();

    const Link link;
    sim::Printer printer;
    QTemporaryDir scratch;  // pictures to send, and the downloads' temporary folders

private:
    bool StartServer();

    std::optional<UsbTestbed> testbed_;
    QString linePath_;  // the terminal the port opens
    int master_ = -1;   // the line's printer side, held for the whole test (USB: umockdev's)
    std::uint16_t tcpPort_ = 0;
    std::unique_ptr<sim::Server> server_;
    bool ready_ = false;
    QString problem_;

public:
    // After the line, so that the port is closed before the line goes.
    LinePlatform platform;
    PrinterPort port;
};
