#include "rfid/RfidProtocol.h"

#include <algorithm>

#include "forms/Pacer.h"
#include "link/PrinterPort.h"
#include "rfid/RfidCommands.h"
#include "rfid/RfidSettings.h"

bool RfidProtocol::Send(QByteArrayView command) {
    return port_.Write(command) != 0;
}

int RfidProtocol::Receive(QByteArray& buffer, int length, qsizetype offset) {
    return std::max(port_.Read(buffer, length, offset), 0);
}

RfidProtocol::Reply RfidProtocol::Query(int item) {
    // A late answer to an earlier query must not pass for this one.
    port_.DiscardInput();
    Send(RfidCommands::Query(item));
    pacer_.Pause(kQueryPauseMs);
    QByteArray buffer(std::max(kQueryReplyLength, PrinterPort::kEthernetReadLength), '\0');
    const int count = std::max(port_.ReadLine(buffer, kQueryReplyLength), 0);
    return {RfidSettings::ReplyText(buffer).toByteArray(), count};
}

RfidProtocol::Reply RfidProtocol::ReadTag(QByteArrayView command, int expected) {
    port_.DiscardInput();
    Send(command);
    pacer_.Pause(kReadWaitMs);
    expected = std::clamp(expected, 0, kTagBufferLength - kUsbSlotLength);
    QByteArray buffer(kTagBufferLength, '\0');
    int received = 0;
    switch (port_.Kind()) {
        case PortKind::Usb: {
            // The USB device hands over whole slots; the encoder needs a moment between them.
            const int wholeSlots = expected / kUsbSlotLength;
            for (int slot = 0; slot < wholeSlots; ++slot) {
                received += Receive(buffer, kUsbSlotLength, slot * kUsbSlotLength);
                pacer_.Pause(kUsbSlotPauseMs);
            }
            if (expected % kUsbSlotLength != 0) {
                received += Receive(buffer, kUsbSlotLength, wholeSlots * kUsbSlotLength);
            }
            break;
        }
        case PortKind::Ethernet:
            // One network read brings what has arrived, at most 32 bytes: read on until the whole
            // answer is in or the encoder has nothing more.
            while (received < expected) {
                const int count = Receive(buffer, expected - received, received);
                if (count == 0) {
                    break;
                }
                received += count;
            }
            break;
        case PortKind::Serial:
        case PortKind::Parallel:
            received = Receive(buffer, expected, 0);
            break;
    }
    return {buffer, received};
}
