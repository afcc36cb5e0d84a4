#include "TestClient.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

int RemainingMs(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

}  // namespace

TestClient TestClient::ConnectTcp(std::uint16_t port) {
    sim::FileDescriptor fd(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (fd.IsOpen() &&
        ::connect(fd.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        fd.Close();
    }
    return TestClient(std::move(fd), true);
}

TestClient TestClient::OpenTerminal(const std::string& path) {
    sim::FileDescriptor fd(::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC));
    termios settings{};
    if (fd.IsOpen() && ::tcgetattr(fd.Get(), &settings) == 0) {
        ::cfmakeraw(&settings);
        ::tcsetattr(fd.Get(), TCSANOW, &settings);
    }
    return TestClient(std::move(fd), false);
}

bool TestClient::Send(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t sent = socket_ ? ::send(fd_.Get(), bytes.data(), bytes.size(), MSG_NOSIGNAL)
                                     : ::write(fd_.Get(), bytes.data(), bytes.size());
        if (sent < 0 && errno == EINTR) {
            continue;
        }
        if (sent <= 0) {
            return false;
        }
        bytes.remove_prefix(std::size_t(sent));
    }
    return true;
}

std::string TestClient::Receive(std::size_t count, int timeoutMs) {
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    std::string received;
    while (received.size() < count) {
        pollfd polled{fd_.Get(), POLLIN, 0};
        if (::poll(&polled, 1, RemainingMs(deadline)) <= 0) {
            break;
        }
        char buffer[4096];
        const ssize_t got =
            ::read(fd_.Get(), buffer, std::min(sizeof buffer, count - received.size()));
        if (got <= 0) {
            break;
        }
        received.append(buffer, std::size_t(got));
    }
    return received;
}

bool TestClient::WaitClosed(int timeoutMs) {
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (true) {
        pollfd polled{fd_.Get(), POLLIN, 0};
        const int ready = ::poll(&polled, 1, RemainingMs(deadline));
        if (ready <= 0) {
            return false;
        }
        char buffer[4096];
        const ssize_t got = ::read(fd_.Get(), buffer, sizeof buffer);
        if (got == 0 || (got < 0 && errno != EAGAIN && errno != EINTR)) {
            return true;
        }
    }
}
