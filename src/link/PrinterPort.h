#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>

#include "link/DeviceOpening.h"
#include "link/PortDevice.h"
#include "link/PortKind.h"
#include "link/PrinterSocket.h"
#include "link/UsbDiscovery.h"

class PortHost;
class PortPlatform;

// The one connection to the printer, over a serial line, a parallel port, a USB printer device
// or TCP. The main window names the port and opens it; tools write requests and read replies.
class PrinterPort {
    Q_DECLARE_TR_FUNCTIONS(PrinterPort)
public:
    // One Ethernet read delivers up to this many bytes, whatever length was asked, so that a
    // whole reply leaves the connection; reply buffers hold at least this much.
    static constexpr int kEthernetReadLength = 32;
    static constexpr int kWriteAttempts = 4;
    static constexpr int kWriteRetryPauseMs = 100;
    static constexpr int kReadRequests = 3;
    static constexpr int kReadPauseMs = 10;

    PrinterPort(PortPlatform& platform, PortHost& host);
    virtual ~PrinterPort();
    PrinterPort(const PrinterPort&) = delete;
    PrinterPort& operator=(const PrinterPort&) = delete;

    PortKind Kind() const { return kind_; }
    int UsbModelIndex() const { return usbModelIndex_; }
    const QString& PortName() const { return portName_; }
    bool IsOpen() const;
    // The device file a port name stands for on this machine ("COM1:" -> "/dev/ttyUSB0").
    QString DevicePath(PortKind kind, const QString& name) const;
    // The USB printer that "USB" stands for now, if any.
    std::optional<UsbPrinter> FindUsbPrinter() const;
    // Why the last Open of a serial, parallel or USB device failed (None after a success, and
    // when a device opened but did not answer as a ready printer).
    const OpenFailure& LastOpenFailure() const { return openFailure_; }

    void SetPortName(const QString& name) { portName_ = name; }
    void SetSerialParams(const SerialParams& params);
    void SetNetworkTarget(const NetworkTarget& target);
    // Brackets one transfer of several writes, between SetKeepOpen(true) and SetKeepOpen(false):
    // a USB device stays open throughout; on Ethernet a connection the printer closed is not
    // made afresh within it, so the rest of a transfer never reaches the printer as new commands.
    void SetKeepOpen(bool keep);
    bool SetTimeouts(const SerialTimeouts& timeouts);

    // Decides the kind from the port name ("COM…", "LPT…", "USB", "ETHERNET…") and opens it.
    bool Open();
    void Close();
    // Callers rely on the two meanings: serial, parallel, USB give 1 when every byte was taken
    // (with up to three retries) and 0 when bytes remain unsent (after one warning); Ethernet
    // gives the number of bytes sent, or 0.
    // `pause` matters on Ethernet only: a long stream defers the settling pause to its last
    // block.
    int Write(QByteArrayView data, SendPause pause = SendPause::After);
    // Up to `length` bytes into `buffer`, never more than the buffer holds; on Ethernet up to
    // kEthernetReadLength bytes whatever `length` says. The number of bytes received (-1 for a
    // socket error). A serial, parallel or USB read waits for all `length` bytes up to its
    // time-out, or with ReadEnd::LineEnd only until a line feed has come (a text reply).
    int Read(std::span<char> buffer, int length, ReadEnd end = ReadEnd::Length);
    // The same into `buffer` from `offset` on; the buffer keeps its size (make it at least
    // kEthernetReadLength long past `offset` for a whole Ethernet reply).
    int Read(QByteArray& buffer, int length, qsizetype offset = 0, ReadEnd end = ReadEnd::Length);
    // A text reply: up to `length` bytes into `buffer`, ending at its line feed.
    int ReadLine(QByteArray& buffer, int length) {
        return Read(buffer, length, 0, ReadEnd::LineEnd);
    }
    // Drops whatever the printer sent that nobody read (a reply that came too late for its
    // query), so that the next query reads its own reply. Never waits; sends nothing.
    void DiscardInput();

private:
    bool OpenSerial();
    bool OpenParallel();
    bool OpenUsb();
    // Takes the platform's device, or its reason for not giving one.
    bool Take(DeviceOpening opening);
    void CloseDevice();

    PortPlatform& platform_;
    PortHost& host_;
    PortKind kind_ = PortKind::Serial;
    int usbModelIndex_ = -1;
    std::unique_ptr<PortDevice> device_;
    OpenFailure openFailure_;
    SerialParams serial_;
    QString portName_;
    bool usbKeepOpen_ = false;
    PrinterSocket socket_;
};
