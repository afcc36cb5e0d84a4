// A paper-width query over the printer simulator's pseudo-terminal, as the print and page settings
// make it (request, 10 ms pause, a read of up to 32 bytes):
//   serial_query_bench [benchmark options]
// LineEnd reads the text reply up to its line feed; Length reads the same reply as text replies
// were read before, waiting for all 32 bytes until the serial time-out (3 s) ends the read. Both
// must bring the same bytes. The ratio of the two is printed at the end; the goal is a serial
// query under 50 ms.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <cstdio>

#include "forms/Pacer.h"
#include "link/PortHost.h"
#include "link/PrinterPort.h"
#include "link/SystemPortPlatform.h"
#include "settings/SettingsProtocol.h"
#include "sim/Printer.h"
#include "sim/Server.h"

namespace {

// Pauses for real; no window to keep painted; warnings on the error stream.
class BenchHost : public PortHost, public Pacer {
public:
    void Warning(const QString& text) override {
        std::fprintf(stderr, "warning: %s\n", qPrintable(text));
    }
    void Pause(int milliseconds) override { QThread::msleep(static_cast<unsigned>(milliseconds)); }
    void KeepPainted() override {}
};

// The simulator serving its pseudo-terminal, and the port opened on it as "COM1:".
class SerialRig {
public:
    SerialRig()
        : server_(printer_),
          platform_([] {},
                    [this](PortKind kind, const QString& portName) {
                        if (kind == PortKind::Serial && portName == QStringLiteral("COM1:")) {
                            return QString::fromStdString(server_.PtyPath());
                        }
                        return QString();
                    }),
          port_(platform_, host_) {
        ready_ = server_.OpenPty() && server_.Start();
        port_.SetPortName(QStringLiteral("COM1:"));
        port_.SetSerialParams({115200, Parity::None, 8, StopBits::One});
        ready_ = ready_ && port_.Open();
    }
    ~SerialRig() {
        port_.Close();
        server_.Stop();
    }
    SerialRig(const SerialRig&) = delete;
    SerialRig& operator=(const SerialRig&) = delete;

    bool Ready() const { return ready_; }
    PrinterPort& Port() { return port_; }
    BenchHost& Host() { return host_; }

private:
    sim::Printer printer_;
    sim::Server server_;
    BenchHost host_;
    SystemPortPlatform platform_;
    PrinterPort port_;
    bool ready_ = false;
};

// Milliseconds per query of the last run of each way of reading, for the ratio.
double lineEndMs = 0;
double lengthMs = 0;

void PaperWidthQuery(benchmark::State& state, ReadEnd end) {
    SerialRig rig;
    if (!rig.Ready()) {
        state.SkipWithError("the simulator's pseudo-terminal could not be opened");
        return;
    }
    SettingsProtocol protocol(rig.Port(), rig.Host());
    const QByteArrayView query =
        SettingsProtocol::UserValueQuery(SettingsProtocol::UserValue::PaperWidth);
    QElapsedTimer clock;
    clock.start();
    for (auto _ : state) {
        const SettingsProtocol::BytesReply reply = protocol.QueryBytes(
            query, SettingsProtocol::kReplyPauseMs, SettingsProtocol::kReplyBufferSize, end);
        if (reply.bytes.left(reply.count) != "832\r\n") {
            state.SkipWithError("the reply is not the paper width the simulator holds");
            return;
        }
    }
    const double perQuery =
        static_cast<double>(clock.elapsed()) / static_cast<double>(state.iterations());
    (end == ReadEnd::LineEnd ? lineEndMs : lengthMs) = perQuery;
}

BENCHMARK_CAPTURE(PaperWidthQuery, LineEnd, ReadEnd::LineEnd)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
// Each query waits out the time-out: a few are enough.
BENCHMARK_CAPTURE(PaperWidthQuery, Length, ReadEnd::Length)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (lineEndMs > 0 && lengthMs > 0) {
        std::printf(
            "paper width query over the pseudo-terminal: %.1f ms to the line end, %.1f ms "
            "to the length; %.0f times faster\n",
            lineEndMs, lengthMs, lengthMs / lineEndMs);
    }
    return 0;
}
