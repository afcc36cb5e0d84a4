#include "link/ParallelDevice.h"

#include <fcntl.h>
#include <linux/lp.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>
#include <cerrno>
#include <cstring>

namespace {

constexpr int kWaitSliceMs = 10;

bool WouldBlock(int error) {
    return error == EAGAIN || error == EWOULDBLOCK || error == EINTR;
}

}  // namespace

std::unique_ptr<ParallelDevice> ParallelDevice::Open(const QString& devicePath,
                                                     std::function<void()> keepPainted) {
    if (devicePath.isEmpty()) {
        return nullptr;
    }
    // Non-blocking, so that every wait below is ours and bounded.
    const int fd = ::open(QFile::encodeName(devicePath).constData(),
                          O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return nullptr;
    }
    return std::unique_ptr<ParallelDevice>(new ParallelDevice(fd, std::move(keepPainted)));
}

ParallelDevice::ParallelDevice(int fd, std::function<void()> keepPainted)
    : fd_(fd), keepPainted_(std::move(keepPainted)) {}

ParallelDevice::~ParallelDevice() {
    ::close(fd_);
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
    if (::ioctl(fd_, LPGETSTATUS, &lpStatus) != 0) {
        return std::nullopt;
    }
    return StatusByte(lpStatus);
}

bool ParallelDevice::SetTimeouts(const SerialTimeouts& timeouts) {
    timeouts_ = timeouts;
    return true;
}

// Moves `size` bytes with `step` (one non-blocking read or write of what is left), waiting in
// short slices until they are all through, `complete` says the bytes so far are enough, the
// deadline passes or the device fails.
IoResult ParallelDevice::Transfer(std::size_t size, std::uint32_t perByte, std::uint32_t constant,
                                  const std::function<ssize_t(std::size_t done)>& step,
                                  const std::function<bool(std::size_t done)>& complete) {
    const QDeadlineTimer deadline(static_cast<qint64>(perByte) * static_cast<qint64>(size) +
                                  constant);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = step(done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            if (complete && complete(done)) {
                break;
            }
            continue;
        }
        if (n < 0 && !WouldBlock(errno)) {
            return {static_cast<int>(done), true};
        }
        if (deadline.hasExpired()) {
            break;
        }
        keepPainted_();
        QThread::msleep(kWaitSliceMs);
    }
    return {static_cast<int>(done), false};
}

IoResult ParallelDevice::Write(QByteArrayView data) {
    const auto size = static_cast<std::size_t>(data.size());
    return Transfer(
        size, timeouts_.writeTotalPerByte, timeouts_.writeTotalConstant,
        [&](std::size_t done) { return ::write(fd_, data.data() + done, size - done); });
}

IoResult ParallelDevice::Read(std::span<char> buffer, ReadEnd end) {
    std::function<bool(std::size_t)> lineEnded;
    if (end == ReadEnd::LineEnd) {
        lineEnded = [&](std::size_t done) {
            return std::memchr(buffer.data(), '\n', done) != nullptr;
        };
    }
    return Transfer(
        buffer.size(), timeouts_.readTotalPerByte, timeouts_.readTotalConstant,
        [&](std::size_t done) { return ::read(fd_, buffer.data() + done, buffer.size() - done); },
        lineEnded);
}

void ParallelDevice::DiscardInput() {
    char sink[256];
    while (::read(fd_, sink, sizeof sink) > 0) {
    }
}
