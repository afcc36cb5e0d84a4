#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "link/DeviceOpening.h"
#include "link/TcpStream.h"
#include "link/UsbDiscovery.h"

// The system below PrinterPort: opens devices by port name and creates sockets. Tests replace it
// with a scripted fake.
class PortPlatform {
public:
    virtual ~PortPlatform() = default;
    // Opens the device of a port name ("COM1:", "LPT1:", "USB") for reading and writing,
    // exclusively; says why when it cannot be opened. "USB" stands for the first supported USB
    // printer present, whose model the result names.
    virtual DeviceOpening OpenDevice(PortKind kind, const QString& portName) = 0;
    // A new, unconnected socket; nothing when none can be created.
    virtual std::unique_ptr<TcpStream> CreateStream() = 0;
    // The device a port name stands for on this machine, to show to the user; may be empty.
    virtual QString DevicePath(PortKind kind, const QString& portName) const {
        Q_UNUSED(kind);
        Q_UNUSED(portName);
        return {};
    }
    // The USB printer that "USB" stands for now, if any.
    virtual std::optional<UsbPrinter> FindUsbPrinter() const { return std::nullopt; }
};
