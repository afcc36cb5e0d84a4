#pragma once

#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <span>

// One TCP connection. Every call is bounded in time: see the implementation for the bounds.
class TcpStream {
public:
    virtual ~TcpStream() = default;
    virtual bool Connect(const QString& host, std::uint16_t port) = 0;
    // All bytes, or -1 when the connection failed before they had gone.
    virtual int Send(QByteArrayView data) = 0;
    // As soon as anything is there: the bytes received (> 0); 0 when the peer closed the
    // connection or nothing came in time; -1 on error.
    virtual int Receive(std::span<char> buffer) = 0;
    // Drops what has arrived and nobody read yet; never waits.
    virtual void DiscardInput() = 0;
    virtual void Close() = 0;
    // Whether the printer has closed or reset the connection (it was switched off, say); never
    // waits. Bytes it sent before that may still be unread.
    virtual bool PeerClosed() { return false; }
};
