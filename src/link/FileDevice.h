#pragma once

#include <sys/types.h>
#include <QString>
#include <functional>
#include <memory>

#include "link/PortDevice.h"

// A printer behind a device file (/dev/usb/lpN, /dev/lpN). Reads and writes are bounded by the
// time-outs, as on a serial line, so an off-line printer never blocks for good.
class FileDevice : public PortDevice {
public:
    // Opens the device file for reading and writing, exclusively: a device that another program
    // holds (the driver's own refusal, or another program's lock on the file) is refused.
    // Nothing, with `error` set to the system's error number, when it cannot be opened.
    static std::unique_ptr<FileDevice> Open(const QString& devicePath,
                                            std::function<void()> keepPainted,
                                            int* error = nullptr);
    ~FileDevice() override;

    IoResult Write(QByteArrayView data) override;
    IoResult Read(std::span<char> buffer, ReadEnd end) override;
    std::optional<ModemLines> ModemStatus() override { return std::nullopt; }
    bool Configure(const SerialParams&) override { return true; }
    bool SetTimeouts(const SerialTimeouts& timeouts) override;
    std::optional<std::uint8_t> ParallelStatus() override { return std::nullopt; }
    void Purge() override {}
    void DiscardInput() override;

protected:
    FileDevice(int fd, std::function<void()> keepPainted);
    // The descriptor of the device file opened and locked as Open says, or -1 with `error`.
    static int OpenExclusive(const QString& devicePath, int* error);
    int Descriptor() const { return fd_; }

private:
    IoResult Transfer(std::size_t size, std::uint32_t perByte, std::uint32_t constant,
                      const std::function<ssize_t(std::size_t done)>& step,
                      const std::function<bool(std::size_t done)>& complete = {});

    int fd_;
    std::function<void()> keepPainted_;
    SerialTimeouts timeouts_;
};
