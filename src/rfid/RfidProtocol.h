#pragma once

#include <QByteArray>
#include <QByteArrayView>

class Pacer;
class PrinterPort;

// The RFID exchanges over the one printer port: commands that are only sent, the seven queries,
// and the read of tag data.
class RfidProtocol {
public:
    static constexpr int kQueryPauseMs = 100;
    static constexpr int kQueryReplyLength = 16;
    static constexpr int kReadWaitMs = 4000;
    static constexpr int kUsbSlotLength = 16;
    static constexpr int kUsbSlotPauseMs = 200;
    // The longest answer (64 bytes as 128 hex digits) with room for whole USB slots.
    static constexpr int kTagBufferLength = 256;

    struct Reply {
        QByteArray text;  // the query's answer; for a tag read the whole zero-filled buffer
        int count = 0;    // bytes received
    };

    RfidProtocol(PrinterPort& port, Pacer& pacer) : port_(port), pacer_(pacer) {}

    // True when the port took the command.
    bool Send(QByteArrayView command);
    // Query `item` (1 to 7): the answer up to its first zero byte, at most 16 bytes. Whatever a
    // network read delivered beyond that belongs to no query and is dropped.
    Reply Query(int item);
    // Sends a read command, waits for the encoder and receives `expected` characters.
    Reply ReadTag(QByteArrayView command, int expected);

private:
    int Receive(QByteArray& buffer, int length, qsizetype offset);

    PrinterPort& port_;
    Pacer& pacer_;
};
