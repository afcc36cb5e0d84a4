#pragma once

#include <QByteArray>
#include <QStringList>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <vector>

#include "link/PortDevice.h"
#include "link/PortPlatform.h"

// The scripted far end of PrinterPort: it records every Write call as one entry and replays
// scripted replies. One FakeLink serves every device and socket that FakePlatform opens, so a
// test can look at it after the port was closed.
class FakeLink {
public:
    struct Reply {
        QByteArray bytes;    // delivered over as many read requests as it takes
        bool error = false;  // the read request fails instead
    };

    // Script of what the read requests get, in order; requests beyond the script get nothing.
    void QueueReply(const QByteArray& bytes) { replies.push_back({bytes, false}); }
    void QueueNothing() { replies.push_back({QByteArray(), false}); }
    void QueueError() { replies.push_back({QByteArray(), true}); }
    // Whenever exactly `request` is written, `reply` is queued, as a printer would answer.
    void Answer(const QByteArray& request, const QByteArray& reply) { answers[request] = reply; }

    // All bytes written, in order.
    QByteArray Written() const;
    void ClearRecord();

    // Failures on demand.
    int acceptPerWrite = -1;       // bytes a write call takes at most (-1: all, 0: none)
    bool writeFails = false;       // write calls report an error
    int writesBeforeFailure = -1;  // this many write calls succeed, every later one fails
    bool openFails = false;        // devices cannot be opened, for this reason:
    OpenFailure openFailure;
    int usbModelIndex = -1;  // the model of the USB printer that opens
    bool configureFails = false;
    std::optional<ModemLines> modemLines = ModemLines{true, true};  // nothing: cannot report
    std::optional<std::uint8_t> parallelStatus = std::uint8_t{0x80};
    bool createStreamFails = false;
    bool connectFails = false;

    // Record.
    std::vector<QByteArray> writes;  // the bytes offered by every write call to a device or socket
    std::vector<int> readSizes;      // the buffer size of every read request
    std::vector<ReadEnd> readEnds;   // where every device read request may end
    int discards = 0;                // how often unread input was dropped
    QStringList events;  // "open Serial COM1:", "configure", "close", "connect h:p", ...
    SerialParams configured;
    std::optional<SerialTimeouts> timeouts;

    std::deque<Reply> replies;
    std::map<QByteArray, QByteArray> answers;

    // Used by the fake device and socket.
    IoResult DoWrite(QByteArrayView data);
    IoResult DoRead(std::span<char> buffer);
};

class FakePlatform : public PortPlatform {
public:
    explicit FakePlatform(FakeLink& link) : link_(link) {}
    DeviceOpening OpenDevice(PortKind kind, const QString& portName) override;
    std::unique_ptr<TcpStream> CreateStream() override;
    // "/dev/fake/COM1" for "COM1:" when `nameDevices` is set; no device otherwise.
    QString DevicePath(PortKind kind, const QString& portName) const override;
    std::optional<UsbPrinter> FindUsbPrinter() const override { return usbPrinter; }

    bool nameDevices = false;
    std::optional<UsbPrinter> usbPrinter;

private:
    FakeLink& link_;
};
