#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "sim/FileDescriptor.h"
#include "sim/Misbehaviour.h"
#include "sim/Printer.h"

namespace sim {

// Serves one Printer over TCP and over a pseudo-terminal, on a thread of its own.
//
// Every TCP client and the pseudo-terminal are separate streams to the printer (a command may
// arrive in pieces on each), sharing its state. Replies go back on the stream whose command asked.
//
// Set up with ListenTcp and OpenPty before Start. SetMisbehaviour may be called at any time from
// any thread; it applies to replies and bytes that come after it, except that a connection that
// has already received as many bytes as a new drop limit allows is closed at once.
//
// Dropping (Misbehaviour::dropAfterBytes) closes a TCP client's connection, or the
// pseudo-terminal itself: its master side is closed and the terminal is gone for good, as a
// printer that was switched off. Only the bytes up to the limit are processed and recorded;
// replies still waiting to be late are lost. Dying (Misbehaviour::dieAfterBytes) closes every
// connection, the listener and the terminal, and ends the thread; Stop still joins it.
class Server {
public:
    explicit Server(Printer& printer);
    ~Server();  // stops
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    // Listens on host:port (port 0: any free port). False, with LastError(), when it cannot.
    bool ListenTcp(std::uint16_t port = 0, const std::string& host = "127.0.0.1");
    std::uint16_t TcpPort() const { return tcpPort_; }

    // Opens a pseudo-terminal whose other side a host opens as its serial port.
    bool OpenPty();
    // Serves the master side of a pseudo-terminal that someone else made (a test's stand-in for a
    // USB printer device); the descriptor is duplicated and stays the caller's. Instead of
    // OpenPty.
    bool AttachPty(int masterFd);
    std::string PtyPath() const { return ptyPath_; }  // e.g. "/dev/pts/7"; empty before OpenPty
    bool PtyOpen() const { return ptyOpen_; }         // false once a drop closed it

    void SetMisbehaviour(const Misbehaviour& m);
    Misbehaviour CurrentMisbehaviour() const;

    bool Start();
    void Stop();  // joins the thread and closes the listener, every client and the terminal

    std::string LastError() const { return lastError_; }

private:
    struct Connection;

    bool ServePty(FileDescriptor master);
    void Run();
    void Wake();
    void DropConnectionsOverLimit();
    void Die();
    void Accept();
    void ReadFrom(Connection& connection);
    void Deliver(Connection& connection, std::string reply);
    void ReleaseDueReplies();
    void Flush(Connection& connection);
    void CloseConnection(Connection& connection);
    int MillisecondsToNextDue() const;
    void Fail(const std::string& what, int error);

    Printer& printer_;
    mutable std::mutex mutex_;  // guards misbehaviour_
    Misbehaviour misbehaviour_;

    FileDescriptor listener_;
    std::uint16_t tcpPort_ = 0;
    FileDescriptor ptySlave_;  // held open so the master never sees a hang-up between clients
    std::string ptyPath_;
    std::atomic<bool> ptyOpen_ = false;
    // Owned by the server thread while it runs; by the caller's thread before Start, after Stop.
    std::vector<std::unique_ptr<Connection>> connections_;

    // Wakes the thread up, to stop or to apply a new misbehaviour; lives as long as the server.
    FileDescriptor wakeRead_;
    FileDescriptor wakeWrite_;
    std::atomic<bool> stopping_ = false;
    bool dying_ = false;  // the server thread's: Misbehaviour::dieAfterBytes was reached
    std::thread thread_;
    std::string lastError_;
};

}  // namespace sim
