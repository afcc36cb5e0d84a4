#include "link/FileDevice.h"

#include <fcntl.h>
#include <sys/file.h>
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

int FileDevice::OpenExclusive(const QString& devicePath, int* error) {
    int ignored = 0;
    int& reason = error != nullptr ? *error : ignored;
    if (devicePath.isEmpty()) {
        reason = ENOENT;
        return -1;
    }
    // Non-blocking, so that every wait below is ours and bounded.
    const int fd = ::open(QFile::encodeName(devicePath).constData(),
                          O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        reason = errno;
        return -1;
    }
    // The drivers admit one opener at a time; the lock also keeps out cooperating programs where
    // the file lets more in (a printer behind a terminal or a test's stand-in).
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        reason = errno;
        ::close(fd);
        return -1;
    }
    reason = 0;
    return fd;
}

std::unique_ptr<FileDevice> FileDevice::Open(const QString& devicePath,
                                             std::function<void()> keepPainted, int* error) {
    const int fd = OpenExclusive(devicePath, error);
    if (fd < 0) {
        return nullptr;
    }
    return std::unique_ptr<FileDevice>(new FileDevice(fd, std::move(keepPainted)));
}

FileDevice::FileDevice(int fd, std::function<void()> keepPainted)
    : fd_(fd), keepPainted_(std::move(keepPainted)) {}

FileDevice::~FileDevice() {
    ::close(fd_);
}

bool FileDevice::SetTimeouts(const SerialTimeouts& timeouts) {
    timeouts_ = timeouts;
    return true;
}

// Moves `size` bytes with `step` (one non-blocking read or write of what is left), waiting in
// short slices until they are all through, `complete` says the bytes so far are enough, the
// deadline passes or the device fails.
IoResult FileDevice::Transfer(std::size_t size, std::uint32_t perByte, std::uint32_t constant,
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

IoResult FileDevice::Write(QByteArrayView data) {
    const auto size = static_cast<std::size_t>(data.size());
    return Transfer(
        size, timeouts_.writeTotalPerByte, timeouts_.writeTotalConstant,
        [&](std::size_t done) { return ::write(fd_, data.data() + done, size - done); });
}

IoResult FileDevice::Read(std::span<char> buffer, ReadEnd end) {
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

void FileDevice::DiscardInput() {
    char sink[256];
    while (::read(fd_, sink, sizeof sink) > 0) {
    }
}
