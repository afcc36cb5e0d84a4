#pragma once

#include <sys/types.h>
#include <QString>
#include <functional>
#include <memory>

#include "link/PortDevice.h"

// A parallel port through the kernel's lp driver (/dev/lpN). Reads and writes are bounded by the
// time-outs, as on a serial line, so an off-line printer never blocks for good.
class ParallelDevice : public PortDevice {
public:
    static std::unique_ptr<ParallelDevice> Open(const QString& devicePath,
                                                std::function<void()> keepPainted);
    ~ParallelDevice() override;

    // The lp driver's status bits (LPGETSTATUS) as the status byte of PortDevice.
    static std::uint8_t StatusByte(int lpStatus);

    IoResult Write(QByteArrayView data) override;
    IoResult Read(std::span<char> buffer, ReadEnd end) override;
    std::optional<ModemLines> ModemStatus() override { return std::nullopt; }
    bool Configure(const SerialParams&) override { return true; }
    bool SetTimeouts(const SerialTimeouts& timeouts) override;
    std::optional<std::uint8_t> ParallelStatus() override;
    void Purge() override {}
    void DiscardInput() override;

private:
    ParallelDevice(int fd, std::function<void()> keepPainted);
    IoResult Transfer(std::size_t size, std::uint32_t perByte, std::uint32_t constant,
                      const std::function<ssize_t(std::size_t done)>& step,
                      const std::function<bool(std::size_t done)>& complete = {});

    int fd_;
    std::function<void()> keepPainted_;
    SerialTimeouts timeouts_;
};
