#include "link/ParallelDevice.h"

#include <fcntl.h>
#include <linux/lp.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>
#include <cerrno>

namespace {

constexpr int kWaitSliceMs = 10;

bool WouldBlock(int error) { return error == EAGAIN || error == EWOULDBLOCK || error == EINTR; }

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

ParallelDevice::~ParallelDevice() { ::close(fd_); }

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

IoResult ParallelDevice::Write(QByteArrayView data) {
    const QDeadlineTimer deadline(static_cast<qint64>(timeouts_.writeTotalPerByte) * data.size() +
                                  timeouts_.writeTotalConstant);
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd_, data.data() + done, static_cast<size_t>(data.size() - done));
        if (n > 0) {
            done += n;
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

IoResult ParallelDevice::Read(std::span<char> buffer) {
    const QDeadlineTimer deadline(static_cast<qint64>(timeouts_.readTotalPerByte) *
                                      static_cast<qint64>(buffer.size()) +
                                  timeouts_.readTotalConstant);
    std::size_t done = 0;
    while (done < buffer.size()) {
        const ssize_t n = ::read(fd_, buffer.data() + done, buffer.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
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
