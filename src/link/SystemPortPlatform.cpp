#include "link/SystemPortPlatform.h"

#include "link/FileDevice.h"
#include "link/ParallelDevice.h"
#include "link/SerialDevice.h"
#include "link/SerialDirectory.h"
#include "link/SocketStream.h"

SystemPortPlatform::SystemPortPlatform(std::function<void()> keepPainted)
    : SystemPortPlatform(std::move(keepPainted), &SystemPortPlatform::DevicePathFor) {}

SystemPortPlatform::SystemPortPlatform(std::function<void()> keepPainted, DeviceResolver resolver)
    : keepPainted_(std::move(keepPainted)), resolver_(std::move(resolver)) {}

QString SystemPortPlatform::DevicePathFor(PortKind kind, const QString& portName) {
    switch (kind) {
        case PortKind::Serial:
            return SerialDirectory::DeviceFor(portName);
        case PortKind::Parallel: {
            QString digits = portName.mid(3);
            if (digits.endsWith(QLatin1Char(':'))) {
                digits.chop(1);
            }
            bool ok = false;
            const int number = digits.toInt(&ok);
            return ok && number > 0 ? QStringLiteral("/dev/lp%1").arg(number - 1) : QString();
        }
        case PortKind::Usb: {
            const auto printer = UsbDiscovery::Find();
            return printer ? printer->devicePath : QString();
        }
        case PortKind::Ethernet:
            break;
    }
    return {};
}

DeviceOpening SystemPortPlatform::OpenDevice(PortKind kind, const QString& portName) {
    DeviceOpening opening;
    int error = 0;
    switch (kind) {
        case PortKind::Serial:
            opening.failure.path = resolver_(kind, portName);
            opening.device = SerialDevice::Open(opening.failure.path, keepPainted_, &error);
            break;
        case PortKind::Parallel:
            opening.failure.path = resolver_(kind, portName);
            opening.device = ParallelDevice::Open(opening.failure.path, keepPainted_, &error);
            break;
        case PortKind::Usb: {
            const auto printer = UsbDiscovery::Find();
            if (!printer) {
                opening.failure.fault = DeviceFault::NoUsbPrinter;
                return opening;
            }
            opening.failure.path = printer->devicePath;
            opening.usbModelIndex = printer->modelIndex;
            opening.device = FileDevice::Open(opening.failure.path, keepPainted_, &error);
            break;
        }
        case PortKind::Ethernet:
            return opening;
    }
    if (!opening.device) {
        opening.failure.fault = DeviceOpening::FaultOf(error);
        opening.failure.error = error;
    }
    return opening;
}

std::unique_ptr<TcpStream> SystemPortPlatform::CreateStream() {
    return std::make_unique<SocketStream>(keepPainted_);
}
