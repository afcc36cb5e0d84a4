#include "link/PrinterPort.h"

#include <algorithm>

#include "link/PortHost.h"
#include "link/PortPlatform.h"

PrinterPort::PrinterPort(PortPlatform& platform, PortHost& host)
    : platform_(platform), host_(host), socket_(platform, host) {}

PrinterPort::~PrinterPort() {
    Close();
}

bool PrinterPort::IsOpen() const {
    return kind_ == PortKind::Ethernet ? socket_.IsConnected() : device_ != nullptr;
}

QString PrinterPort::DevicePath(PortKind kind, const QString& name) const {
    return platform_.DevicePath(kind, name);
}

std::optional<UsbPrinter> PrinterPort::FindUsbPrinter() const {
    return platform_.FindUsbPrinter();
}

void PrinterPort::SetSerialParams(const SerialParams& params) {
    serial_ = params;
}

void PrinterPort::SetNetworkTarget(const NetworkTarget& target) {
    socket_.SetTarget(target.hostAddress, target.portNumber);
}

void PrinterPort::SetKeepOpen(bool keep) {
    socket_.HoldConnection(keep && kind_ == PortKind::Ethernet);
    if (kind_ != PortKind::Usb) {
        return;
    }
    usbKeepOpen_ = keep;
    if (keep) {
        Open();
    } else {
        Close();
    }
}

bool PrinterPort::SetTimeouts(const SerialTimeouts& timeouts) {
    return device_ && device_->SetTimeouts(timeouts);
}

bool PrinterPort::Open() {
    openFailure_ = {};
    if (portName_.startsWith(QStringLiteral("COM"))) {
        kind_ = PortKind::Serial;
        return OpenSerial();
    }
    if (portName_.startsWith(QStringLiteral("LPT"))) {
        kind_ = PortKind::Parallel;
        return OpenParallel();
    }
    if (portName_ == QStringLiteral("USB")) {
        kind_ = PortKind::Usb;
        return OpenUsb();
    }
    if (portName_.startsWith(QStringLiteral("ETHERNET"))) {
        kind_ = PortKind::Ethernet;
        return socket_.Connect();
    }
    return false;
}

bool PrinterPort::OpenSerial() {
    CloseDevice();
    if (!Take(platform_.OpenDevice(PortKind::Serial, portName_))) {
        return false;
    }
    // A device that cannot report its modem lines (a pseudo-terminal) passes the check. A
    // refused or unconfigurable device is released at once, so other programs can use it.
    const auto lines = device_->ModemStatus();
    const bool ready = !lines || (lines->cts && lines->dsr);
    if (!ready || !device_->Configure(serial_) || !device_->SetTimeouts(SerialTimeouts{})) {
        CloseDevice();
        return false;
    }
    device_->Purge();
    return true;
}

bool PrinterPort::OpenParallel() {
    CloseDevice();
    if (!Take(platform_.OpenDevice(PortKind::Parallel, portName_))) {
        return false;
    }
    constexpr std::uint8_t kSelectedAndReady = 0x80;
    const auto status = device_->ParallelStatus();
    if (!status || *status != kSelectedAndReady) {
        CloseDevice();
        return false;
    }
    device_->Purge();
    return true;
}

bool PrinterPort::OpenUsb() {
    CloseDevice();
    DeviceOpening opening = platform_.OpenDevice(PortKind::Usb, portName_);
    // The model of the printer found stays known until another is found, also when it could not
    // be opened.
    if (opening.usbModelIndex >= 0) {
        usbModelIndex_ = opening.usbModelIndex;
    }
    return Take(std::move(opening));
}

bool PrinterPort::Take(DeviceOpening opening) {
    device_ = std::move(opening.device);
    if (!device_) {
        openFailure_ = std::move(opening.failure);
    }
    return device_ != nullptr;
}

void PrinterPort::CloseDevice() {
    device_.reset();
}

void PrinterPort::Close() {
    switch (kind_) {
        case PortKind::Serial:
        case PortKind::Parallel:
            if (device_) {
                device_->Purge();
            }
            CloseDevice();
            break;
        case PortKind::Usb:
            CloseDevice();
            break;
        case PortKind::Ethernet:
            socket_.Disconnect();
            CloseDevice();
            break;
    }
}

int PrinterPort::Write(QByteArrayView data, SendPause pause) {
    if (kind_ == PortKind::Ethernet) {
        if (!Open()) {
            return 0;
        }
        const int sent = socket_.Send(data, pause);
        if (sent == 0 && !data.isEmpty()) {
            host_.Warning(tr("Port error! Check printer's port, please."));
        }
        return sent;
    }
    const bool openAround = kind_ == PortKind::Usb && !usbKeepOpen_;
    if (openAround) {
        Open();
    }
    QByteArrayView rest = data;
    bool sent = false;
    for (int attempt = 0; attempt < kWriteAttempts && !sent; ++attempt) {
        if (attempt > 0) {
            host_.Pause(kWriteRetryPauseMs);
        }
        const IoResult result = device_ ? device_->Write(rest) : IoResult{0, true};
        rest = rest.sliced(std::clamp<qsizetype>(result.count, 0, rest.size()));
        // A failed call that still took every remaining byte has delivered them.
        sent = rest.isEmpty() && (!result.failed || result.count > 0);
    }
    if (!sent) {
        host_.Warning(tr("Port error! Check printer's port, please."));
    }
    if (openAround) {
        Close();
    }
    return sent ? 1 : 0;
}

int PrinterPort::Read(QByteArray& buffer, int length, qsizetype offset, ReadEnd end) {
    const qsizetype start = std::clamp<qsizetype>(offset, 0, buffer.size());
    return Read(
        std::span<char>(buffer.data() + start, static_cast<std::size_t>(buffer.size() - start)),
        length, end);
}

void PrinterPort::DiscardInput() {
    if (kind_ == PortKind::Ethernet) {
        socket_.DiscardInput();
        return;
    }
    // A USB device is closed between exchanges, but what the printer sent late still waits in
    // it for the next reader.
    const bool openAround = kind_ == PortKind::Usb && !device_;
    if (openAround) {
        Open();
    }
    if (device_) {
        device_->DiscardInput();
    }
    if (openAround) {
        Close();
    }
}

int PrinterPort::Read(std::span<char> buffer, int length, ReadEnd end) {
    const std::size_t wanted = static_cast<std::size_t>(std::max(length, 0));
    if (kind_ == PortKind::Ethernet) {
        const std::size_t room = std::min<std::size_t>(kEthernetReadLength, buffer.size());
        return socket_.Receive(buffer.first(room));
    }
    const bool openAround = kind_ == PortKind::Usb && !usbKeepOpen_;
    if (openAround) {
        Open();
    }
    const std::span<char> target = buffer.first(std::min(wanted, buffer.size()));
    IoResult last;
    for (int request = 0; request < kReadRequests; ++request) {
        last = device_ ? device_->Read(target, end) : IoResult{0, true};
        host_.Pause(kReadPauseMs);
        if (last.count > 0) {
            break;
        }
    }
    if (kind_ == PortKind::Serial && last.failed && last.count == 0) {
        host_.Warning(tr("Port error! Check setting of serial port, please."));
    }
    if (openAround) {
        Close();
    }
    return last.count;
}
