// A 1 GiB file over TCP to a sink on 127.0.0.1, sent by the File Transfer (PrinterPort, in its
// Ethernet blocks) beside a plain socket copy of the same file to the same kind of sink:
//   transfer_bench [benchmark options]
// The transfer runs twice: paced as the application paces it (the link settles 50 ms after the
// last block), and with the link's pauses skipped, which shows what the block loop itself costs.
// The fastest of three runs counts. Printed at the end: each
// throughput, its ratio to the plain copy, and the process's peak memory growth during the run. The
// goal: at least 90 % of the plain copy, and less than 10 MB of memory growth.
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <thread>

#include "forms/Pacer.h"
#include "link/PortHost.h"
#include "link/PrinterPort.h"
#include "link/SystemPortPlatform.h"
#include "transfer/FileTransfer.h"

namespace {

constexpr qint64 kFileSize = qint64{1} << 30;
const char* const kFilePath = "/tmp/tagwell-transfer-bench.bin";

// Pauses for real or not at all; no window to keep painted; warnings on the error stream.
class BenchHost : public PortHost, public Pacer {
public:
    explicit BenchHost(bool pause) : pause_(pause) {}
    void Warning(const QString& text) override {
        std::fprintf(stderr, "warning: %s\n", qPrintable(text));
    }
    void Pause(int milliseconds) override {
        if (pause_) {
            QThread::msleep(static_cast<unsigned>(milliseconds));
        }
    }
    void KeepPainted() override {}

private:
    bool pause_;
};

// A field of /proc/self/status in kB.
long StatusKb(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string prefix = std::string(field) + ":";
    while (std::getline(status, line)) {
        if (line.rfind(prefix, 0) == 0) {
            return std::stol(line.substr(prefix.size()));
        }
    }
    return 0;
}

// Resets the peak resident size to the present one, and gives the present one.
long ResetPeakKb() {
    std::ofstream("/proc/self/clear_refs") << "5";
    return StatusKb("VmRSS");
}

// Accepts one connection on 127.0.0.1 and drains it to its end, counting the bytes.
class Sink {
public:
    Sink() {
        listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(listener_, 1);
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] {
            const int connection = ::accept(listener_, nullptr, nullptr);
            static char buffer[256 * 1024];
            ssize_t got = 0;
            while ((got = ::recv(connection, buffer, sizeof buffer, 0)) > 0) {
                received_ += got;
            }
            ::close(connection);
        });
    }
    ~Sink() { Join(); }
    Sink(const Sink&) = delete;
    Sink& operator=(const Sink&) = delete;

    std::uint16_t Port() const { return port_; }
    // Waits for the sender to close; the bytes received.
    qint64 Join() {
        if (thread_.joinable()) {
            thread_.join();
            ::close(listener_);
        }
        return received_;
    }

private:
    int listener_ = -1;
    std::uint16_t port_ = 0;
    std::thread thread_;
    qint64 received_ = 0;
};

bool MakeFile() {
    QFile file(QString::fromLatin1(kFilePath));
    if (file.exists() && file.size() == kFileSize) {
        return true;
    }
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    QByteArray chunk(4 * 1024 * 1024, '\0');
    for (qint64 at = 0; at < kFileSize; at += chunk.size()) {
        for (qsizetype i = 0; i < chunk.size(); ++i) {
            chunk[i] = static_cast<char>((at + i) * 131 >> 3);
        }
        if (file.write(chunk) != chunk.size()) {
            return false;
        }
    }
    return true;
}

struct Figures {
    double seconds = 0;
    long growthKb = 0;
};
std::map<std::string, Figures> figures;

void Record(benchmark::State& state, const std::string& name, double seconds, long baseKb,
            qint64 received) {
    if (received != kFileSize) {
        state.SkipWithError("the sink did not receive the whole file");
        return;
    }
    // The fastest run counts (the machine may be busy with other work now and then), and the
    // largest memory growth.
    const long growthKb = StatusKb("VmHWM") - baseKb;
    const auto [entry, fresh] = figures.try_emplace(name, Figures{seconds, growthKb});
    if (!fresh) {
        entry->second.seconds = std::min(entry->second.seconds, seconds);
        entry->second.growthKb = std::max(entry->second.growthKb, growthKb);
    }
    state.SetBytesProcessed(kFileSize);
}

void PlainCopy(benchmark::State& state) {
    for (auto _ : state) {
        Sink sink;
        const long baseKb = ResetPeakKb();
        QElapsedTimer clock;
        clock.start();
        const int file = ::open(kFilePath, O_RDONLY | O_CLOEXEC);
        const int socket = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(sink.Port());
        ::connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address);
        static char buffer[1024 * 1024];
        ssize_t got = 0;
        while ((got = ::read(file, buffer, sizeof buffer)) > 0) {
            for (ssize_t sent = 0; sent < got;) {
                const ssize_t now = ::send(socket, buffer + sent, got - sent, MSG_NOSIGNAL);
                if (now <= 0) {
                    break;
                }
                sent += now;
            }
        }
        ::close(socket);
        ::close(file);
        const qint64 received = sink.Join();
        Record(state, "plain copy", static_cast<double>(clock.nsecsElapsed()) / 1e9, baseKb,
               received);
    }
}

void Transfer(benchmark::State& state, bool paced) {
    for (auto _ : state) {
        Sink sink;
        BenchHost host(paced);
        SystemPortPlatform platform([] {});
        PrinterPort port(platform, host);
        port.SetPortName(QStringLiteral("ETHERNET"));
        port.SetNetworkTarget({QStringLiteral("127.0.0.1"), sink.Port()});
        if (!port.Open()) {
            state.SkipWithError("cannot connect to the sink");
            return;
        }
        const long baseKb = ResetPeakKb();
        QElapsedTimer clock;
        clock.start();
        FileTransfer transfer(port, host);
        const TransferProgress progress{[](int) {}, [](int) {}, [] {}};
        const FileTransfer::Outcome outcome =
            transfer.Send(QString::fromLatin1(kFilePath), kFileSize, progress);
        port.Close();
        const qint64 received = sink.Join();
        if (outcome != FileTransfer::Outcome::Completed) {
            state.SkipWithError("the transfer failed");
            return;
        }
        Record(state, paced ? "transfer, paced" : "transfer, no link pauses",
               static_cast<double>(clock.nsecsElapsed()) / 1e9, baseKb, received);
    }
}

BENCHMARK(PlainCopy)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(3);
BENCHMARK_CAPTURE(Transfer, Paced, true)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(3);
BENCHMARK_CAPTURE(Transfer, NoLinkPauses, false)
    ->Unit(benchmark::kSecond)
    ->UseRealTime()
    ->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (!MakeFile()) {
        std::fprintf(stderr, "cannot write %s\n", kFilePath);
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    QFile::remove(QString::fromLatin1(kFilePath));
    const auto plain = figures.find("plain copy");
    const double mib = static_cast<double>(kFileSize) / (1024.0 * 1024.0);
    for (const auto& [name, figure] : figures) {
        std::printf("%-26s %7.0f MiB/s  peak memory growth %6.1f MiB", name.c_str(),
                    mib / figure.seconds, static_cast<double>(figure.growthKb) / 1024.0);
        if (plain != figures.end() && name != plain->first) {
            std::printf("  %5.1f %% of the plain copy",
                        100.0 * plain->second.seconds / figure.seconds);
        }
        std::printf("\n");
    }
    return 0;
}
