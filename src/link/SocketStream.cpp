#include "link/SocketStream.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QHostAddress>
#include <algorithm>
#include <cerrno>
#include <climits>

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
    if (socket_.state() != QAbstractSocket::ConnectedState) {
        return -1;
    }
    // Straight to the system's socket (non-blocking, as Qt keeps it): a block of megabytes is
    // not copied into Qt's buffer first, and every wait is bounded and keeps the windows painted.
    const auto fd = static_cast<int>(socket_.socketDescriptor());
    qsizetype done = 0;
    QDeadlineTimer stall(kSendStallTimeoutMs);
    while (done < data.size()) {
        const ssize_t sent = ::send(fd, data.data() + done,
                                    static_cast<std::size_t>(data.size() - done), MSG_NOSIGNAL);
        if (sent > 0) {
            done += sent;
            stall.setRemainingTime(kSendStallTimeoutMs);
            continue;
        }
        if (sent < 0 && errno == EINTR) {
            continue;
        }
        if (sent == 0 || (errno != EAGAIN && errno != EWOULDBLOCK) || stall.hasExpired()) {
            return -1;
        }
        pollfd writable{fd, POLLOUT, 0};
        ::poll(&writable, 1, kWaitSliceMs);
        keepPainted_();
    }
    return static_cast<int>(std::min<qsizetype>(data.size(), INT_MAX));
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

bool SocketStream::PeerClosed() {
    if (socket_.state() != QAbstractSocket::ConnectedState) {
        return true;
    }
    // The system knows at once, whatever Qt has seen yet; unread bytes do not hide it. A reset
    // (the printer went away with bytes of ours unread) shows as a hang-up or an error.
    pollfd polled{static_cast<int>(socket_.socketDescriptor()), POLLRDHUP, 0};
    return ::poll(&polled, 1, 0) > 0 && (polled.revents & (POLLRDHUP | POLLHUP | POLLERR)) != 0;
}

void SocketStream::Close() {
    socket_.abort();
}
