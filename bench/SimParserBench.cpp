// The simulator's parser reads a label line that arrives in pieces once, not again from its start
// with every piece: 8 MiB without a line end, fed in 64 KiB pieces, beside the same bytes with a
// line end every 80 bytes (many short label lines). Linear parsing keeps the two close; reading a
// waiting line again from its front makes the first grow with the square of its length.
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

#include "sim/Printer.h"

namespace {

constexpr std::size_t kStreamBytes = 8 * 1024 * 1024;
constexpr std::size_t kPieceBytes = 64 * 1024;

// Label lines of 80 bytes with their CR; or, without line ends, one line of 8 MiB (a blank in
// place of each CR), ended only by the CR at the very end.
std::string Stream(bool lineEnds) {
    std::string line = "T20,20,3,1,1,0,0,N,N,'";
    line += std::string(79 - line.size() - 1, 'x') + "'";
    line += lineEnds ? '\r' : ' ';
    std::string stream;
    stream.reserve(kStreamBytes + line.size());
    while (stream.size() < kStreamBytes) {
        stream += line;
    }
    stream.back() = '\r';
    return stream;
}

void Feed(benchmark::State& state, bool lineEnds) {
    const std::string stream = Stream(lineEnds);
    const std::string_view bytes = stream;
    for (auto _ : state) {
        sim::Printer printer;
        for (std::size_t at = 0; at < bytes.size(); at += kPieceBytes) {
            benchmark::DoNotOptimize(printer.Receive(bytes.substr(at, kPieceBytes)));
        }
        const sim::LabelState labels = printer.Snapshot().labels;
        if (labels.current.lines.empty()) {
            state.SkipWithError("the stream made no label line");
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(bytes.size()));
}

void BM_SimParserLongLineInPieces(benchmark::State& state) {
    Feed(state, false);
}

// The peer: the same bytes in the same pieces, with a line end every 80 bytes.
void BM_SimParserShortLinesInPieces(benchmark::State& state) {
    Feed(state, true);
}

BENCHMARK(BM_SimParserShortLinesInPieces)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SimParserLongLineInPieces)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
