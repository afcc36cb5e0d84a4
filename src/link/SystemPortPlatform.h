#pragma once

#include <functional>

#include "link/PortPlatform.h"

// The devices of this machine: serial lines by SerialDirectory, "LPTn:" as /dev/lp(n-1), "USB"
// as the printer UsbDiscovery finds, TCP by SocketStream.
class SystemPortPlatform : public PortPlatform {
public:
    using DeviceResolver = std::function<QString(PortKind kind, const QString& portName)>;

    // keepPainted is called often while a device call waits.
    explicit SystemPortPlatform(std::function<void()> keepPainted);
    // Tests point port names at devices of their own (a simulator's pseudo-terminal).
    SystemPortPlatform(std::function<void()> keepPainted, DeviceResolver resolver);

    DeviceOpening OpenDevice(PortKind kind, const QString& portName) override;
    std::unique_ptr<TcpStream> CreateStream() override;
    QString DevicePath(PortKind kind, const QString& portName) const override {
        return resolver_(kind, portName);
    }
    std::optional<UsbPrinter> FindUsbPrinter() const override { return UsbDiscovery::Find(); }

    // The device file a port name stands for ("LPT2:" -> "/dev/lp1", "USB" -> "/dev/usb/lp0"), or
    // an empty text.
    static QString DevicePathFor(PortKind kind, const QString& portName);

private:
    std::function<void()> keepPainted_;
    DeviceResolver resolver_;
};
