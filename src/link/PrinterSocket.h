#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstdint>
#include <memory>
#include <span>

#include "link/PortKind.h"
#include "link/TcpStream.h"

class PortHost;
class PortPlatform;

// The TCP connection to a networked printer, inside PrinterPort. Connect reports its own
// failures; Send and Receive report only through their results.
class PrinterSocket {
    Q_DECLARE_TR_FUNCTIONS(PrinterSocket)
public:
    PrinterSocket(PortPlatform& platform, PortHost& host);
    ~PrinterSocket();

    bool SetTarget(const QString& hostAddress, std::uint32_t portNumber);
    // True at once while connected; otherwise a fresh connection to the target. A connection
    // the printer has closed or reset counts as none, except while held.
    bool Connect();
    // Held for the length of one transfer: a connection lost within it fails the writes that
    // follow instead of being made afresh. One lost before it is made afresh by the first write.
    void HoldConnection(bool hold);
    // The length after every byte went (then a 50 ms pause, unless deferred), or 0.
    int Send(QByteArrayView data, SendPause pause = SendPause::After);
    // Bytes received, 0 when the printer closed the connection or sent nothing in time, -1 on
    // error.
    int Receive(std::span<char> buffer);
    // Drops what has arrived and nobody read; never waits.
    void DiscardInput();
    void Disconnect();

    bool IsConnected() const { return connected_; }
    const QString& HostAddress() const { return hostAddress_; }
    std::uint32_t PortNumber() const { return portNumber_; }

private:
    PortPlatform& platform_;
    PortHost& host_;
    std::unique_ptr<TcpStream> link_;
    QString hostAddress_;
    std::uint32_t portNumber_ = 9100;
    bool connected_ = false;
    bool hold_ = false;
};
