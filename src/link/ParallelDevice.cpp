#include "link/ParallelDevice.h"

#include <linux/lp.h>
#include <sys/ioctl.h>

std::unique_ptr<ParallelDevice> ParallelDevice::Open(const QString& devicePath,
                                                     std::function<void()> keepPainted,
                                                     int* error) {
    const int fd = OpenExclusive(devicePath, error);
    if (fd < 0) {
        return nullptr;
    }
    return std::unique_ptr<ParallelDevice>(new ParallelDevice(fd, std::move(keepPainted)));
}

std::uint8_t ParallelDevice::StatusByte(int lpStatus) {
    std::uint8_t status = 0;
    if ((lpStatus & LP_PSELECD) != 0) {
        status |= 0x80;  // selected
    }
    if ((lpStatus & LP_PBUSY) == 0) {
        status |= 0x40;  // the busy line is inverted: a clear bit means busy
    }
    if ((lpStatus & LP_PERRORP) == 0) {
        status |= 0x08;  // the error line is active low: off line or in error
    }
    if ((lpStatus & LP_POUTPA) != 0) {
        status |= 0x04;  // paper empty
    }
    return status;
}

std::optional<std::uint8_t> ParallelDevice::ParallelStatus() {
    int lpStatus = 0;
    if (::ioctl(Descriptor(), LPGETSTATUS, &lpStatus) != 0) {
        return std::nullopt;
    }
    return StatusByte(lpStatus);
}
