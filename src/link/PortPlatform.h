#pragma once

#include <QString>
#include <memory>

#include "link/PortDevice.h"
#include "link/TcpStream.h"

// The system below PrinterPort: opens devices by port name and creates sockets. Tests replace it
// with a scripted fake.
class PortPlatform {
public:
    virtual ~PortPlatform() = default;
    // Opens the device of a port name ("COM1:", "LPT1:", "USB") for reading and writing,
    // exclusively; nothing when it cannot be opened.
    virtual std::unique_ptr<PortDevice> OpenDevice(PortKind kind, const QString& portName) = 0;
    // A new, unconnected socket; nothing when none can be created.
    virtual std::unique_ptr<TcpStream> CreateStream() = 0;
    // The device a port name stands for on this machine, to show to the user; may be empty.
    virtual QString DevicePath(PortKind kind, const QString& portName) const {
        Q_UNUSED(kind);
        Q_UNUSED(portName);
        return {};
    }
};
