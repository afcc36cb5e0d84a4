#pragma once

#include <QString>
#include <cstdint>

enum class PortKind : std::int32_t { Serial = 0, Parallel = 1, Usb = 2, Ethernet = 3 };

// Serial line parameters as the main window hands them over.
struct SerialParams {
    std::uint32_t baudRate = 115200;
    std::int32_t parity = 0;    // 0 none, 1 odd, 2 even
    std::int32_t dataBits = 8;  // 7 or 8
    std::int32_t stopBits = 0;  // 0 one, 1 one and a half, 2 two
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
