// The TCP link's bounds against a printer that never answers the connection or never takes the
// bytes, on the loopback interface.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <fcntl.h>
#include <QElapsedTimer>
#include <vector>

#include "link/SocketStream.h"

namespace {

// A listening socket on 127.0.0.1 with an ephemeral port, closed at the end.
class Listener {
public:
    explicit Listener(int backlog) {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (::bind(fd_, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
            ::listen(fd_, backlog) != 0 ||
            ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
            ADD_FAILURE() << "no listening socket";
        }
        port_ = ntohs(address.sin_port);
    }
    ~Listener() {
        for (const int fd : others_) {
            ::close(fd);
        }
        ::close(fd_);
    }
    std::uint16_t Port() const { return port_; }
    int Fd() const { return fd_; }
    // Connections that fill the queue of connections nobody accepted yet.
    void FillQueue(int count) {
        for (int i = 0; i < count; ++i) {
            const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
            sockaddr_in address{};
            address.sin_family = AF_INET;
            address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            address.sin_port = htons(port_);
            ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
            others_.push_back(fd);
        }
        ::usleep(100 * 1000);  // let the handshakes that can complete do so
    }
    void Keep(int fd) { others_.push_back(fd); }

private:
    int fd_ = -1;
    std::uint16_t port_ = 0;
    std::vector<int> others_;
};

TEST(SocketStreamBounds, AConnectionNobodyAnswersIsGivenUpAfterItsBound) {
    Listener listener(0);
    listener.FillQueue(4);  // further handshakes are not answered
    int paints = 0;
    SocketStream stream([&paints] { ++paints; });
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(stream.Connect(QStringLiteral("127.0.0.1"), listener.Port()));
    // It waited for its bound rather than failing for another reason, painting meanwhile.
    EXPECT_GE(clock.elapsed(), SocketStream::kConnectTimeoutMs - 500);
    EXPECT_GT(paints, 0);
}

TEST(SocketStreamBounds, ASendThePrinterStopsTakingIsGivenUpAfterItsBound) {
    Listener listener(1);
    int paints = 0;
    SocketStream stream([&paints] { ++paints; });
    ASSERT_TRUE(stream.Connect(QStringLiteral("127.0.0.1"), listener.Port()));
    const int peer = ::accept(listener.Fd(), nullptr, nullptr);
    ASSERT_GE(peer, 0);
    listener.Keep(peer);  // accepted, never read
    const QByteArray data(64 * 1024 * 1024, 'x');
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(stream.Send(data), -1);
    EXPECT_GE(clock.elapsed(), SocketStream::kSendStallTimeoutMs - 500);
    EXPECT_GT(paints, 0);
}

}  // namespace
