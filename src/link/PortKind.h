#pragma once

#include <QString>
#include <cstdint>

enum class PortKind : std::int32_t { Serial = 0, Parallel = 1, Usb = 2, Ethernet = 3 };

// Whether a write to a networked printer ends with its settling pause. The blocks of one long
// stream settle once, after the last: the printer needs the pause when the sending stops, not
// between blocks that follow at once.
enum class SendPause { After, Deferred };

// The numbers are the positions of the main window's lists.
enum class Parity : std::int32_t { None = 0, Odd = 1, Even = 2 };
enum class StopBits : std::int32_t { One = 0, OneAndHalf = 1, Two = 2 };

// Serial line parameters as the main window hands them over.
struct SerialParams {
    std::uint32_t baudRate = 115200;
    Parity parity = Parity::None;
    std::int32_t dataBits = 8;  // 7 or 8
    StopBits stopBits = StopBits::One;
};

// Millisecond time-outs of a serial device. A read request ends when its bytes have come or
// after readTotalPerByte * length + readTotalConstant; a write likewise.
struct SerialTimeouts {
    std::uint32_t readInterval = 0;
    std::uint32_t readTotalPerByte = 1;
    std::uint32_t readTotalConstant = 3000;
    std::uint32_t writeTotalPerByte = 1;
    std::uint32_t writeTotalConstant = 3000;
};

struct NetworkTarget {
    QString hostAddress;
    std::uint32_t portNumber = 9100;
};
