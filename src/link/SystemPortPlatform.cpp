#include "link/SystemPortPlatform.h"

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
        case PortKind::Usb:
        case PortKind::Ethernet:
            break;
    }
    return {};
}

std::unique_ptr<PortDevice> SystemPortPlatform::OpenDevice(PortKind kind, const QString& portName) {
    const QString path = resolver_(kind, portName);
    switch (kind) {
        case PortKind::Serial:
            return SerialDevice::Open(path, keepPainted_);
        case PortKind::Parallel:
            return ParallelDevice::Open(path, keepPainted_);
        case PortKind::Usb:
        case PortKind::Ethernet:
            break;
    }
    return nullptr;
}

std::unique_ptr<TcpStream> SystemPortPlatform::CreateStream() {
    return std::make_unique<SocketStream>(keepPainted_);
}
