#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "sim/FileDescriptor.h"

// A host's end of a connection to the simulator, for tests: a TCP socket or the slave side of
// the pseudo-terminal. Every wait is bounded, so a silent simulator fails a test, never hangs it.
class TestClient {
public:
    static TestClient ConnectTcp(std::uint16_t port);
    static TestClient OpenTerminal(const std::string& path);  // in raw mode, like a serial port

    bool IsOpen() const { return fd_.IsOpen(); }
    // Writes all bytes; false when the peer is gone (never a SIGPIPE).
    bool Send(std::string_view bytes);
    // Whatever arrives until `count` bytes are in or `timeoutMs` has passed.
    std::string Receive(std::size_t count, int timeoutMs);
    // True when the other end closes (end of stream or an error) within `timeoutMs`; bytes that
    // arrive meanwhile are read and thrown away.
    bool WaitClosed(int timeoutMs);
    void Close() { fd_.Close(); }

private:
    TestClient(sim::FileDescriptor fd, bool socket) : fd_(std::move(fd)), socket_(socket) {}

    sim::FileDescriptor fd_;
    bool socket_;
};
