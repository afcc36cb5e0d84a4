#pragma once

#include <QTcpSocket>
#include <functional>

#include "link/TcpStream.h"

// TCP through QTcpSocket, with every wait bounded (the windows stay painted meanwhile):
// - Connect gives up after kConnectTimeoutMs (name lookup included);
// - Send gives up when the printer has taken nothing for kSendStallTimeoutMs;
// - Receive gives up, with 0 bytes, when nothing came within kReceiveTimeoutMs.
// A printer that drops the connection gives failed results, never a signal (sends use
// MSG_NOSIGNAL).
class SocketStream : public TcpStream {
public:
    static constexpr int kConnectTimeoutMs = 5000;
    static constexpr int kSendStallTimeoutMs = 10000;
    static constexpr int kReceiveTimeoutMs = 3000;

    explicit SocketStream(std::function<void()> keepPainted);

    bool Connect(const QString& host, std::uint16_t port) override;
    int Send(QByteArrayView data) override;
    int Receive(std::span<char> buffer) override;
    void DiscardInput() override;
    void Close() override;
    bool PeerClosed() override;

private:
    QTcpSocket socket_;
    std::function<void()> keepPainted_;
};
