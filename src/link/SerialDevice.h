#pragma once

#include <QSerialPort>
#include <functional>
#include <memory>

#include "link/PortDevice.h"

// A serial line through QSerialPort. Reads and writes are bounded by the time-outs; while they
// wait the windows are kept painted.
class SerialDevice : public PortDevice {
public:
    // Opens the device file for reading and writing; nothing, with `error` set to the system's
    // error number (0 when it is not known), when it cannot be opened.
    static std::unique_ptr<SerialDevice> Open(const QString& devicePath,
                                              std::function<void()> keepPainted,
                                              int* error = nullptr);
    ~SerialDevice() override;

    IoResult Write(QByteArrayView data) override;
    IoResult Read(std::span<char> buffer, ReadEnd end) override;
    std::optional<ModemLines> ModemStatus() override;
    bool Configure(const SerialParams& params) override;
    bool SetTimeouts(const SerialTimeouts& timeouts) override;
    std::optional<std::uint8_t> ParallelStatus() override { return std::nullopt; }
    void Purge() override;
    void DiscardInput() override;

private:
    SerialDevice(std::unique_ptr<QSerialPort> port, std::function<void()> keepPainted);
    // False while the printer holds DSR off; QSerialPort has no DSR output flow control, so
    // writing waits for DSR instead (devices that cannot report it never hold a write back).
    bool DsrAllowsOutput();
    bool Broken() const;

    std::unique_ptr<QSerialPort> port_;
    std::function<void()> keepPainted_;
    SerialTimeouts timeouts_;
};
