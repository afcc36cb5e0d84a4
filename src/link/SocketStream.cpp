#include "link/SocketStream.h"

#include <QDeadlineTimer>

namespace {
constexpr int kWaitSliceMs = 20;
}

SocketStream::SocketStream(std::function<void()> keepPainted)
    : keepPainted_(std::move(keepPainted)) {}

bool SocketStream::Connect(const QString& host, std::uint16_t port) {
    socket_.connectToHost(host, port);
    const QDeadlineTimer deadline(kConnectTimeoutMs);
    while (socket_.state() != QAbstractSocket::ConnectedState) {
        if (socket_.state() == QAbstractSocket::UnconnectedState || deadline.hasExpired()) {
            socket_.abort();
            return false;
        }
        socket_.waitForConnected(kWaitSliceMs);
        keepPainted_();
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

void SocketStream::Close() {
    socket_.abort();
}
