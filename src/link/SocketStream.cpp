#include "link/SocketStream.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QHostAddress>
#include <cerrno>

namespace {
constexpr int kWaitSliceMs = 20;
}

SocketStream::SocketStream(std::function<void()> keepPainted)
    : keepPainted_(std::move(keepPainted)) {}

bool SocketStream::Connect(const QString& host, std::uint16_t port) {
    // The connection is made with a socket of our own and then handed to QTcpSocket: its
    // waitForConnected gives the attempt up at the end of the first short wait, which would cut
    // the bound to one slice (a printer answering in more than 20 ms could never be reached).
    QHostAddress address;
    if (!address.setAddress(host) || address.protocol() != QAbstractSocket::IPv4Protocol) {
        return false;
    }
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_port = htons(port);
    target.sin_addr.s_addr = htonl(address.toIPv4Address());
    const auto fail = [fd] {
        ::close(fd);
        return false;
    };
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&target), sizeof target) != 0) {
        if (errno != EINPROGRESS) {
            return fail();
        }
        const QDeadlineTimer deadline(kConnectTimeoutMs);
        while (true) {
            pollfd writable{fd, POLLOUT, 0};
            const int ready = ::poll(&writable, 1, kWaitSliceMs);
            if (ready > 0) {
                int error = 0;
                socklen_t size = sizeof error;
                if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) != 0 || error != 0) {
                    return fail();
                }
                break;
            }
            if ((ready < 0 && errno != EINTR) || deadline.hasExpired()) {
                return fail();
            }
            keepPainted_();
        }
    }
    if (!socket_.setSocketDescriptor(fd)) {
        return fail();
    }
    return true;
}

int SocketStream::Send(QByteArrayView data) {
    if (socket_.state() != QAbstractSocket::ConnectedState ||
        socket_.write(data.data(), data.size()) != data.size()) {
        return -1;
    }
    QDeadlineTimer stall(kSendStallTimeoutMs);
    while (socket_.bytesToWrite() > 0) {
        const qint64 before = socket_.bytesToWrite();
        socket_.waitForBytesWritten(kWaitSliceMs);
        keepPainted_();
        if (socket_.state() != QAbstractSocket::ConnectedState) {
            return -1;
        }
        if (socket_.bytesToWrite() < before) {
            stall.setRemainingTime(kSendStallTimeoutMs);
        } else if (stall.hasExpired()) {
            return -1;
        }
    }
    return static_cast<int>(data.size());
}

int SocketStream::Receive(std::span<char> buffer) {
    const QDeadlineTimer deadline(kReceiveTimeoutMs);
    while (socket_.bytesAvailable() == 0) {
        if (socket_.state() != QAbstractSocket::ConnectedState) {
            // Closed by the printer: 0; any other failure: -1.
            return socket_.error() == QAbstractSocket::RemoteHostClosedError ? 0 : -1;
        }
        if (deadline.hasExpired()) {
            return 0;
        }
        socket_.waitForReadyRead(kWaitSliceMs);
        keepPainted_();
    }
    return static_cast<int>(socket_.read(buffer.data(), static_cast<qint64>(buffer.size())));
}

void SocketStream::DiscardInput() {
    // What the system has received is fetched without waiting, then dropped with the rest.
    socket_.waitForReadyRead(0);
    socket_.readAll();
}

void SocketStream::Close() {
    socket_.abort();
}
