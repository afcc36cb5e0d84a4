#include "faults/FaultRig.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace {

// A device that passes everything on, but reads the parallel status of a selected, ready printer.
class ReadyParallel : public PortDevice {
public:
    explicit ReadyParallel(std::unique_ptr<PortDevice> device) : device_(std::move(device)) {}
    IoResult Write(QByteArrayView data) override { return device_->Write(data); }
    IoResult Read(std::span<char> buffer, ReadEnd end) override {
        return device_->Read(buffer, end);
    }
    std::optional<ModemLines> ModemStatus() override { return device_->ModemStatus(); }
    bool Configure(const SerialParams& params) override { return device_->Configure(params); }
    bool SetTimeouts(const SerialTimeouts& timeouts) override {
        return device_->SetTimeouts(timeouts);
    }
    std::optional<std::uint8_t> ParallelStatus() override { return 0x80; }
    void Purge() override { device_->Purge(); }
    void DiscardInput() override { device_->DiscardInput(); }

private:
    std::unique_ptr<PortDevice> device_;
};

// Throws away what the host wrote into the line and nobody took.
void Drain(int master) {
    char buffer[4096];
    pollfd polled{master, POLLIN, 0};
    while (::poll(&polled, 1, 0) > 0 && (polled.revents & POLLIN) &&
           ::read(master, buffer, sizeof buffer) > 0) {
    }
}

}  // namespace

DeviceOpening LinePlatform::OpenDevice(PortKind kind, const QString& portName) {
    DeviceOpening opening = SystemPortPlatform::OpenDevice(kind, portName);
    if (kind == PortKind::Parallel && opening.device) {
        opening.device = std::make_unique<ReadyParallel>(std::move(opening.device));
    }
    return opening;
}

FaultRig::FaultRig(Link link_)
    : RecordingHost(true),
      link(link_),
      printer("QX-M43"),
      platform([this] { pacer.KeepPainted(); },
               [this](PortKind kind, const QString& portName) {
                   if ((kind == PortKind::Serial && portName == QStringLiteral("COM1:")) ||
                       (kind == PortKind::Parallel && portName == QStringLiteral("LPT1:"))) {
                       return linePath_;
                   }
                   return SystemPortPlatform::DevicePathFor(kind, portName);
               }),
      port(platform, *this) {
    if (link == Link::Usb) {
        if (!UsbTestbed::Active()) {
            problem_ = QStringLiteral(
                "umockdev's preload library is not loaded (LD_PRELOAD=libumockdev-preload.so.0): "
                "the fake USB printer cannot be made");
            return;
        }
        testbed_.emplace();
        // QX-M43's id, so that the printer found is the simulator's model.
        const QString node = testbed_->Add({"1-1", "3a5e", "0143", "07", "usb/lp0"});
        master_ = testbed_->MasterOf(node);
    } else if (link != Link::Tcp) {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        char name[128] = {};
        if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0 ||
            ::ptsname_r(master_, name, sizeof name) != 0) {
            problem_ = QStringLiteral("no pseudo-terminal: %1").arg(errno);
            return;
        }
        linePath_ = QString::fromLocal8Bit(name);
    }
    ready_ = StartServer();
}

FaultRig::~FaultRig() {
    port.Close();
    if (server_) {
        server_->Stop();
    }
    if (link == Link::Serial || link == Link::Parallel) {
        ::close(master_);
    }
}

bool FaultRig::StartServer() {
    server_ = std::make_unique<sim::Server>(printer);
    const bool listening =
        link == Link::Tcp ? server_->ListenTcp(tcpPort_) : server_->AttachPty(master_);
    if (!listening || !server_->Start()) {
        problem_ = QString::fromStdString(server_->LastError());
        return false;
    }
    tcpPort_ = server_->TcpPort();
    return true;
}

bool FaultRig::StartAgain() {
    server_->Stop();
    server_.reset();
    if (master_ >= 0) {
        Drain(master_);
    }
    return StartServer();
}

QString FaultRig::PortName() const {
    switch (link) {
        case Link::Tcp:
            return QStringLiteral("ETHERNET");
        case Link::Serial:
            return QStringLiteral("COM1:");
        case Link::Parallel:
            return QStringLiteral("LPT1:");
        case Link::Usb:
            return QStringLiteral("USB");
    }
    return {};
}

bool FaultRig::Connect() {
    port.SetPortName(PortName());
    port.SetNetworkTarget({QStringLiteral("127.0.0.1"), tcpPort_});
    port.SetSerialParams({115200, Parity::None, 8, StopBits::One});
    return port.Open();
}
