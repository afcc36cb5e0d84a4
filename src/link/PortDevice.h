#pragma once

#include <QByteArrayView>
#include <cstdint>
#include <optional>
#include <span>

#include "link/PortKind.h"

// Outcome of one device call: the bytes moved, and whether the call itself failed (an error,
// as opposed to a time-out that moved fewer bytes).
struct IoResult {
    int count = 0;
    bool failed = false;
};

struct ModemLines {
    bool cts = false;
    bool dsr = false;
};

// Where one read request may end before its buffer is full: only when the time-out runs out
// (raw bytes), or as soon as a line feed has come (a text reply ends with its line end).
enum class ReadEnd { Length, LineEnd };

// An open serial, parallel or USB device. Each call is bounded in time by the device's time-outs.
class PortDevice {
public:
    virtual ~PortDevice() = default;
    virtual IoResult Write(QByteArrayView data) = 0;
    // One read request: returns when buffer.size() bytes have come, when `end` says the reply is
    // complete, or when the time-out ran out.
    virtual IoResult Read(std::span<char> buffer, ReadEnd end) = 0;
    // Serial: the CTS and DSR lines, or nothing when the device cannot report them.
    virtual std::optional<ModemLines> ModemStatus() = 0;
    // Serial: line settings, flow control by CTS and DSR, DTR and RTS on.
    virtual bool Configure(const SerialParams& params) = 0;
    virtual bool SetTimeouts(const SerialTimeouts& timeouts) = 0;
    // Parallel: the status byte with the bits 0x80 selected, 0x40 busy, 0x20 not connected,
    // 0x10 power off, 0x08 off line, 0x04 paper empty; nothing when it cannot be read.
    virtual std::optional<std::uint8_t> ParallelStatus() = 0;
    // Drops everything pending in both directions.
    virtual void Purge() = 0;
    // Drops what the printer sent and nobody read yet; never waits.
    virtual void DiscardInput() = 0;
};
