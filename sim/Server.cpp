#include "sim/Server.h"

#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <deque>
#include <utility>

namespace sim {

namespace {

using Clock = std::chrono::steady_clock;

// Replies nobody reads (a terminal without a client, a client that never receives) are not kept
// beyond this.
constexpr std::size_t kMaxOutbox = 1024 * 1024;
constexpr std::size_t kReadChunk = 4096;

bool SetNonBlocking(int fd) {
    const int flags = ::fcntl(fd, F_GETFL);
    return flags >= 0 && ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) == 0;
}

bool WouldBlock(int error) {
    return error == EAGAIN || error == EWOULDBLOCK || error == EINTR;
}

}  // namespace

struct Server::Connection {
    enum class Kind { Tcp, Pty };

    Connection(Kind streamKind, FileDescriptor descriptor, CommandParser parser)
        : kind(streamKind), fd(std::move(descriptor)), stream(std::move(parser)) {}

    Kind kind;
    FileDescriptor fd;
    CommandParser stream;
    long receivedBytes = 0;
    std::string outbox;  // replies due now that the descriptor has not taken yet
    std::deque<std::pair<Clock::time_point, std::string>> late;  // replies waiting for their time
    bool closing = false;
};

Server::Server(Printer& printer) : printer_(printer) {
    int pipeFds[2];
    if (::pipe2(pipeFds, O_NONBLOCK | O_CLOEXEC) == 0) {
        wakeRead_ = FileDescriptor(pipeFds[0]);
        wakeWrite_ = FileDescriptor(pipeFds[1]);
    }
}

Server::~Server() {
    Stop();
}

void Server::Fail(const std::string& what, int error) {
    lastError_ = what + ": " + std::strerror(error);
}

bool Server::ListenTcp(std::uint16_t port, const std::string& host) {
    if (thread_.joinable() || listener_.IsOpen()) {
        lastError_ = "already listening or running";
        return false;
    }
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_PASSIVE | AI_NUMERICSERV;
    addrinfo* found = nullptr;
    const std::string where = host + ":" + std::to_string(port);
    const int resolved = ::getaddrinfo(host.empty() ? nullptr : host.c_str(),
                                       std::to_string(port).c_str(), &hints, &found);
    if (resolved != 0) {
        lastError_ = "cannot listen on " + where + ": " + ::gai_strerror(resolved);
        return false;
    }
    int error = EADDRNOTAVAIL;
    for (addrinfo* address = found; address != nullptr; address = address->ai_next) {
        FileDescriptor fd(::socket(address->ai_family,
                                   address->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC,
                                   address->ai_protocol));
        const int yes = 1;
        if (!fd.IsOpen() ||
            ::setsockopt(fd.Get(), SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes) != 0 ||
            ::bind(fd.Get(), address->ai_addr, address->ai_addrlen) != 0 ||
            ::listen(fd.Get(), 16) != 0) {
            error = errno;
            continue;
        }
        listener_ = std::move(fd);
        break;
    }
    ::freeaddrinfo(found);
    if (!listener_.IsOpen()) {
        Fail("cannot listen on " + where, error);
        return false;
    }
    sockaddr_storage bound{};
    socklen_t length = sizeof bound;
    if (::getsockname(listener_.Get(), reinterpret_cast<sockaddr*>(&bound), &length) == 0) {
        tcpPort_ =
            ntohs(bound.ss_family == AF_INET6 ? reinterpret_cast<sockaddr_in6*>(&bound)->sin6_port
                                              : reinterpret_cast<sockaddr_in*>(&bound)->sin_port);
    }
    return true;
}

bool Server::OpenPty() {
    if (thread_.joinable() || ptyOpen_) {
        lastError_ = "pseudo-terminal already open or running";
        return false;
    }
    FileDescriptor master(::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC));
    if (!master.IsOpen() || ::grantpt(master.Get()) != 0 || ::unlockpt(master.Get()) != 0) {
        Fail("cannot open a pseudo-terminal", errno);
        return false;
    }
    return ServePty(std::move(master));
}

bool Server::AttachPty(int masterFd) {
    if (thread_.joinable() || ptyOpen_) {
        lastError_ = "pseudo-terminal already open or running";
        return false;
    }
    FileDescriptor master(::fcntl(masterFd, F_DUPFD_CLOEXEC, 0));
    if (!master.IsOpen()) {
        Fail("cannot take the pseudo-terminal", errno);
        return false;
    }
    return ServePty(std::move(master));
}

bool Server::ServePty(FileDescriptor master) {
    char name[128] = {};
    if (::ptsname_r(master.Get(), name, sizeof name) != 0 || !SetNonBlocking(master.Get())) {
        Fail("cannot use the pseudo-terminal", errno);
        return false;
    }
    FileDescriptor slave(::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC));
    termios settings{};
    if (!slave.IsOpen() || ::tcgetattr(slave.Get(), &settings) != 0) {
        Fail(std::string("cannot open ") + name, errno);
        return false;
    }
    // Raw: no echo back to the master, and CR and LF reach the printer as they were sent.
    ::cfmakeraw(&settings);
    if (::tcsetattr(slave.Get(), TCSANOW, &settings) != 0) {
        Fail(std::string("cannot set up ") + name, errno);
        return false;
    }
    ptySlave_ = std::move(slave);
    ptyPath_ = name;
    connections_.push_back(std::make_unique<Connection>(Connection::Kind::Pty, std::move(master),
                                                        printer_.NewStream()));
    ptyOpen_ = true;
    return true;
}

void Server::SetMisbehaviour(const Misbehaviour& m) {
    {
        const std::lock_guard lock(mutex_);
        misbehaviour_ = m;
    }
    // A lower drop limit may already be reached: let the thread look now, not at the next byte.
    Wake();
}

void Server::Wake() {
    const char wake = 1;
    [[maybe_unused]] const ssize_t written = ::write(wakeWrite_.Get(), &wake, 1);
}

Misbehaviour Server::CurrentMisbehaviour() const {
    const std::lock_guard lock(mutex_);
    return misbehaviour_;
}

bool Server::Start() {
    if (thread_.joinable()) {
        lastError_ = "already running";
        return false;
    }
    if (!wakeRead_.IsOpen()) {
        lastError_ = "cannot create the wake-up pipe";
        return false;
    }
    stopping_ = false;
    dying_ = false;
    thread_ = std::thread([this] { Run(); });
    return true;
}

void Server::Stop() {
    if (thread_.joinable()) {
        stopping_ = true;
        Wake();
        thread_.join();
    }
    connections_.clear();
    listener_.Close();
    ptySlave_.Close();
    ptyOpen_ = false;
}

void Server::Run() {
    std::vector<pollfd> polled;
    while (!stopping_) {
        polled.clear();
        polled.push_back({wakeRead_.Get(), POLLIN, 0});
        polled.push_back({listener_.Get(), POLLIN, 0});  // a negative descriptor is left out
        for (const auto& connection : connections_) {
            const short events = connection->outbox.empty() ? POLLIN : POLLIN | POLLOUT;
            polled.push_back({connection->fd.Get(), events, 0});
        }
        if (::poll(polled.data(), polled.size(), MillisecondsToNextDue()) < 0 && errno != EINTR) {
            break;
        }
        if (stopping_) {
            break;
        }
        if (polled[0].revents & POLLIN) {
            char drained[64];
            while (::read(wakeRead_.Get(), drained, sizeof drained) > 0) {
            }
            DropConnectionsOverLimit();
        }
        if (polled[1].revents & POLLIN) {
            Accept();
        }
        // Accept may have added connections; only the ones polled have an entry.
        for (std::size_t i = 2; i < polled.size(); ++i) {
            Connection& connection = *connections_[i - 2];
            const short events = polled[i].revents;
            if (events & (POLLIN | POLLHUP | POLLERR)) {
                ReadFrom(connection);
            }
            if ((events & POLLOUT) && !connection.closing) {
                Flush(connection);
            }
        }
        ReleaseDueReplies();
        for (auto& connection : connections_) {
            if (connection->closing) {
                CloseConnection(*connection);
            }
        }
        std::erase_if(connections_,
                      [](const auto& connection) { return !connection->fd.IsOpen(); });
        if (dying_) {
            Die();
            return;
        }
    }
}

void Server::Die() {
    // The listener first: whoever sees a connection end may try a new one, which must be refused.
    // Nothing is flushed and nothing late is released: a dead printer sends no more.
    listener_.Close();
    for (auto& connection : connections_) {
        CloseConnection(*connection);
    }
    connections_.clear();
    ptySlave_.Close();
    ptyOpen_ = false;
}

void Server::Accept() {
    while (true) {
        FileDescriptor client(
            ::accept4(listener_.Get(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC));
        if (!client.IsOpen()) {
            return;
        }
        if (CurrentMisbehaviour().dropAfterBytes == 0) {
            continue;  // closed at once: not a single byte is taken
        }
        const int yes = 1;
        ::setsockopt(client.Get(), IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
        connections_.push_back(std::make_unique<Connection>(
            Connection::Kind::Tcp, std::move(client), printer_.NewStream()));
    }
}

void Server::DropConnectionsOverLimit() {
    const Misbehaviour m = CurrentMisbehaviour();
    for (auto& connection : connections_) {
        if (m.dropAfterBytes >= 0 && connection->receivedBytes >= m.dropAfterBytes) {
            connection->closing = true;
        }
        if (m.dieAfterBytes >= 0 && connection->receivedBytes >= m.dieAfterBytes) {
            dying_ = true;
        }
    }
}

void Server::ReadFrom(Connection& connection) {
    if (connection.closing) {
        return;
    }
    const Misbehaviour m = CurrentMisbehaviour();
    const long dropAfter = m.dropAfterBytes;
    const long dieAfter = m.dieAfterBytes;
    std::size_t wanted = kReadChunk;
    if (dropAfter >= 0) {
        if (connection.receivedBytes >= dropAfter) {
            connection.closing = true;
            return;
        }
        wanted = std::min<std::size_t>(wanted, dropAfter - connection.receivedBytes);
    }
    if (dieAfter >= 0) {
        if (connection.receivedBytes >= dieAfter) {
            dying_ = true;
            return;
        }
        wanted = std::min<std::size_t>(wanted, dieAfter - connection.receivedBytes);
    }
    char buffer[kReadChunk];
    const ssize_t count = ::read(connection.fd.Get(), buffer, wanted);
    if (count < 0 && WouldBlock(errno)) {
        return;
    }
    if (count <= 0) {
        // The client closed or vanished. A terminal never ends this way: its slave side stays
        // open here, so a read error there is passing and the terminal stays.
        connection.closing = connection.kind == Connection::Kind::Tcp;
        return;
    }
    connection.receivedBytes += count;
    Deliver(connection,
            printer_.ReceiveOn(connection.stream, std::string_view(buffer, std::size_t(count))));
    if (dropAfter >= 0 && connection.receivedBytes >= dropAfter) {
        connection.closing = true;
    }
    if (dieAfter >= 0 && connection.receivedBytes >= dieAfter) {
        dying_ = true;
    }
}

void Server::Deliver(Connection& connection, std::string reply) {
    const Misbehaviour m = CurrentMisbehaviour();
    if (reply.empty() || m.silent) {
        return;
    }
    if (m.garbage) {
        reply = Garble(reply);
    }
    // Once a reply waits, later ones queue behind it, so replies never overtake each other.
    if (m.lateMs > 0 || !connection.late.empty()) {
        connection.late.emplace_back(Clock::now() + std::chrono::milliseconds(m.lateMs),
                                     std::move(reply));
        return;
    }
    connection.outbox += reply;
    Flush(connection);
}

void Server::ReleaseDueReplies() {
    const Clock::time_point now = Clock::now();
    for (auto& connection : connections_) {
        bool released = false;
        while (!connection->late.empty() && connection->late.front().first <= now) {
            connection->outbox += connection->late.front().second;
            connection->late.pop_front();
            released = true;
        }
        if (released && !connection->closing) {
            Flush(*connection);
        }
    }
}

void Server::Flush(Connection& connection) {
    while (!connection.outbox.empty()) {
        const ssize_t sent =
            connection.kind == Connection::Kind::Tcp
                ? ::send(connection.fd.Get(), connection.outbox.data(), connection.outbox.size(),
                         MSG_NOSIGNAL | MSG_DONTWAIT)
                : ::write(connection.fd.Get(), connection.outbox.data(), connection.outbox.size());
        if (sent > 0) {
            connection.outbox.erase(0, std::size_t(sent));
            continue;
        }
        if (sent < 0 && WouldBlock(errno)) {
            break;
        }
        // The peer is gone. A terminal stays for the next client; its reply is lost.
        connection.outbox.clear();
        connection.closing = connection.kind == Connection::Kind::Tcp;
        return;
    }
    if (connection.outbox.size() > kMaxOutbox) {
        connection.outbox.erase(0, connection.outbox.size() - kMaxOutbox);
    }
}

void Server::CloseConnection(Connection& connection) {
    connection.fd.Close();
    if (connection.kind == Connection::Kind::Pty) {
        ptySlave_.Close();
        ptyOpen_ = false;
    }
}

int Server::MillisecondsToNextDue() const {
    bool any = false;
    Clock::time_point next{};
    for (const auto& connection : connections_) {
        if (!connection->late.empty() && (!any || connection->late.front().first < next)) {
            next = connection->late.front().first;
            any = true;
        }
    }
    if (!any) {
        return -1;
    }
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(next - Clock::now()).count();
    return static_cast<int>(std::clamp<long long>(wait, 0, 60'000));
}

}  // namespace sim
