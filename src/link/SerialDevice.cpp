#include "link/SerialDevice.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>
#include <algorithm>
#include <cerrno>

namespace {

constexpr int kWaitSliceMs = 20;

QDeadlineTimer DeadlineFor(std::uint32_t perByte, std::uint32_t constant, qsizetype bytes) {
    return QDeadlineTimer(static_cast<qint64>(perByte) * bytes + constant);
}

// The system's error number behind a refused open. The serial layer tells permission and
// another program's hold apart only by its message, so a refusal is retried here: a device that
// opens now was held (by a lock or the line's exclusive mode) when the serial layer tried.
int ReasonOfRefusal(QSerialPort::SerialPortError refusal, const QString& devicePath) {
    switch (refusal) {
        case QSerialPort::DeviceNotFoundError:
            return ENOENT;
        case QSerialPort::PermissionError: {
            const int fd = ::open(QFile::encodeName(devicePath).constData(),
                                  O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
            if (fd < 0) {
                return errno;
            }
            ::close(fd);
            return EBUSY;
        }
        default:
            return 0;
    }
}

}  // namespace

std::unique_ptr<SerialDevice> SerialDevice::Open(const QString& devicePath,
                                                 std::function<void()> keepPainted, int* error) {
    int ignored = 0;
    int& reason = error != nullptr ? *error : ignored;
    reason = ENOENT;
    if (devicePath.isEmpty()) {
        return nullptr;
    }
    auto port = std::make_unique<QSerialPort>();
    port->setPortName(devicePath);
    if (!port->open(QIODevice::ReadWrite)) {
        reason = ReasonOfRefusal(port->error(), devicePath);
        return nullptr;
    }
    reason = 0;
    return std::unique_ptr<SerialDevice>(new SerialDevice(std::move(port), std::move(keepPainted)));
}

SerialDevice::SerialDevice(std::unique_ptr<QSerialPort> port, std::function<void()> keepPainted)
    : port_(std::move(port)), keepPainted_(std::move(keepPainted)) {}

SerialDevice::~SerialDevice() {
    port_->close();
}

bool SerialDevice::Broken() const {
    const auto error = port_->error();
    return error != QSerialPort::NoError && error != QSerialPort::TimeoutError &&
           error != QSerialPort::UnsupportedOperationError;
}

bool SerialDevice::DsrAllowsOutput() {
    const auto lines = ModemStatus();
    return !lines || lines->dsr;
}

IoResult SerialDevice::Write(QByteArrayView data) {
    port_->clearError();
    const QDeadlineTimer deadline =
        DeadlineFor(timeouts_.writeTotalPerByte, timeouts_.writeTotalConstant, data.size());
    while (!DsrAllowsOutput()) {
        if (deadline.hasExpired()) {
            return {0, false};
        }
        keepPainted_();
        QThread::msleep(kWaitSliceMs);
    }
    if (data.isEmpty()) {
        return {0, false};
    }
    if (port_->write(data.data(), data.size()) < 0) {
        return {0, true};
    }
    while (port_->bytesToWrite() > 0 && !deadline.hasExpired() && !Broken()) {
        port_->waitForBytesWritten(kWaitSliceMs);
        keepPainted_();
    }
    const qint64 unsent = port_->bytesToWrite();
    if (unsent > 0) {
        // What the line did not take in time is dropped, not sent behind the caller's back.
        port_->clear(QSerialPort::Output);
    }
    return {static_cast<int>(data.size() - unsent), Broken()};
}

IoResult SerialDevice::Read(std::span<char> buffer, ReadEnd end) {
    port_->clearError();
    const QDeadlineTimer deadline =
        DeadlineFor(timeouts_.readTotalPerByte, timeouts_.readTotalConstant,
                    static_cast<qsizetype>(buffer.size()));
    const auto complete = [&] {
        const qint64 available = port_->bytesAvailable();
        if (available >= static_cast<qint64>(buffer.size())) {
            return true;
        }
        // A text reply is complete at its line end: no need to wait out the time-out.
        return end == ReadEnd::LineEnd && available > 0 && port_->peek(available).contains('\n');
    };
    while (!complete() && !deadline.hasExpired() && !Broken()) {
        port_->waitForReadyRead(kWaitSliceMs);
        keepPainted_();
    }
    const qint64 count = port_->read(buffer.data(), static_cast<qint64>(buffer.size()));
    return {static_cast<int>(std::max<qint64>(count, 0)), count <= 0 && Broken()};
}

void SerialDevice::DiscardInput() {
    port_->clear(QSerialPort::Input);
}

std::optional<ModemLines> SerialDevice::ModemStatus() {
    const QSerialPort::PinoutSignals pins = port_->pinoutSignals();
    if (port_->error() != QSerialPort::NoError) {
        port_->clearError();
        return std::nullopt;
    }
    return ModemLines{pins.testFlag(QSerialPort::ClearToSendSignal),
                      pins.testFlag(QSerialPort::DataSetReadySignal)};
}

bool SerialDevice::Configure(const SerialParams& params) {
    const auto parity = params.parity == Parity::Odd    ? QSerialPort::OddParity
                        : params.parity == Parity::Even ? QSerialPort::EvenParity
                                                        : QSerialPort::NoParity;
    const auto stopBits = params.stopBits == StopBits::OneAndHalf ? QSerialPort::OneAndHalfStop
                          : params.stopBits == StopBits::Two      ? QSerialPort::TwoStop
                                                                  : QSerialPort::OneStop;
    const auto dataBits = params.dataBits == 7 ? QSerialPort::Data7 : QSerialPort::Data8;
    // Lines that know no one and a half stop bits (Linux) get two, the nearest longer gap.
    const bool stopBitsSet =
        port_->setStopBits(stopBits) ||
        (stopBits == QSerialPort::OneAndHalfStop && port_->setStopBits(QSerialPort::TwoStop));
    port_->clearError();
    const bool configured = port_->setBaudRate(static_cast<qint32>(params.baudRate)) &&
                            port_->setDataBits(dataBits) && port_->setParity(parity) &&
                            stopBitsSet && port_->setFlowControl(QSerialPort::HardwareControl);
    if (!configured) {
        return false;
    }
    // DTR on; RTS is driven by the hardware flow control. Devices without modem lines refuse
    // the request, which is harmless.
    port_->setDataTerminalReady(true);
    port_->clearError();
    return true;
}

bool SerialDevice::SetTimeouts(const SerialTimeouts& timeouts) {
    timeouts_ = timeouts;
    return true;
}

void SerialDevice::Purge() {
    port_->clear(QSerialPort::AllDirections);
    port_->clearError();
}
