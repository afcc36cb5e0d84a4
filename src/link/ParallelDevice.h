#pragma once

#include "link/FileDevice.h"

// A parallel port through the kernel's lp driver (/dev/lpN).
class ParallelDevice : public FileDevice {
public:
    static std::unique_ptr<ParallelDevice> Open(const QString& devicePath,
                                                std::function<void()> keepPainted,
                                                int* error = nullptr);

    // The lp driver's status bits (LPGETSTATUS) as the status byte of PortDevice.
    static std::uint8_t StatusByte(int lpStatus);

    std::optional<std::uint8_t> ParallelStatus() override;

private:
    using FileDevice::FileDevice;
};
