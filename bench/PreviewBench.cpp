// The label renderer on a full label: 812 x 1219 dots with 20 lines of bitmap and vector text, a
// Code 128 and a QR Code barcode, and a stored picture of 800 x 600 noise dots recalled onto it.
// Peers in the same run: the same label rendered empty (the fixed cost of a label), and the
// rendered label encoded as PNG, which is what the simulator does next with each label it prints.
// Every figure is the median of kRepetitions runs; the ratios and the goal close the run.
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "preview/LabelBitmap.h"
#include "preview/LabelRendering.h"
#include "sim/LabelDrawing.h"

namespace {

constexpr int kRepetitions = 15;
constexpr double kGoalRenderMs = 20;

QByteArray FullLabel() {
    QByteArray script = "SW812\rSL1219,24,G\r";
    for (int i = 0; i < 10; ++i) {
        const QByteArray y = QByteArray::number(20 + i * 40);
        script += "T20," + y + ",3,1,1,0,0,N,N,'Line " + QByteArray::number(i) +
                  ": KORVALE Label Printer 0123456789'\r";
        script += "V420," + y + ",U,30,30,1,N,N,N,0,L,0,'Vector " + QByteArray::number(i) +
                  " ABCDEFGHIJ'\r";
    }
    script += "B120,420,1,2,7,100,0,1,'TAGWELL-0123456789'\r";
    script += "B2600,420,Q,2,M,4,0,'https://example.invalid/label/0123456789'\r";
    script += "IR6,600,'noise'\rP1\r";
    return script;
}

preview::PrinterSetup SetupWithPicture() {
    preview::PrinterSetup setup;
    preview::LabelBitmap noise(800, 600);
    std::mt19937 random(148);
    for (int y = 0; y < noise.Height(); ++y) {
        for (int x = 0; x < noise.Width(); ++x) {
            if ((random() & 1) != 0) {
                noise.Set(x, y, preview::LabelBitmap::Ink::Black);
            }
        }
    }
    setup.pictures.emplace("noise", std::move(noise));
    return setup;
}

const preview::PrinterSetup& Setup() {
    static const preview::PrinterSetup setup = SetupWithPicture();
    return setup;
}

void BM_RenderFullLabel(benchmark::State& state) {
    const QByteArray script = FullLabel();
    const preview::Rendering check = preview::RenderLabels(script, Setup());
    for (const preview::Undrawn& undrawn : check.undrawn) {
        if (undrawn.why != preview::Undrawn::Why::AssumedFont) {
            state.SkipWithError(("not drawn: " + undrawn.command.toStdString()).c_str());
            return;
        }
    }
    if (check.labels.size() != 1) {
        state.SkipWithError("the full label did not render as one label");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(preview::RenderLabels(script, Setup()));
    }
}

void BM_RenderEmptyLabel(benchmark::State& state) {
    const QByteArray script = "SW812\rSL1219,24,G\rP1\r";
    const preview::PrinterSetup setup;
    for (auto _ : state) {
        benchmark::DoNotOptimize(preview::RenderLabels(script, setup));
    }
}

void BM_EncodeFullLabelAsPng(benchmark::State& state) {
    const preview::Rendering rendering = preview::RenderLabels(FullLabel(), Setup());
    if (rendering.labels.empty()) {
        state.SkipWithError("nothing rendered");
        return;
    }
    const preview::LabelBitmap& label = rendering.labels.front().bitmap;
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string png = sim::LabelDrawing::EncodePng(label);
        bytes = png.size();
        benchmark::DoNotOptimize(png.data());
    }
    state.counters["png_bytes"] = static_cast<double>(bytes);
}

BENCHMARK(BM_RenderFullLabel)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_RenderEmptyLabel)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_EncodeFullLabelAsPng)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);

// The console report, keeping every median (in milliseconds) by benchmark name.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                medians[run.run_name.function_name] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) *
                    1000;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> medians;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto median = [&reporter](const char* name) {
        const auto found = reporter.medians.find(name);
        return found == reporter.medians.end() ? 0.0 : found->second;
    };
    const double full = median("BM_RenderFullLabel");
    const double empty = median("BM_RenderEmptyLabel");
    const double png = median("BM_EncodeFullLabelAsPng");
    if (full > 0 && empty > 0 && png > 0) {
        std::printf("\nmedians: render %.2f ms, empty label %.2f ms, PNG %.2f ms\n", full, empty,
                    png);
        std::printf("render / empty label: %.1f; render / PNG: %.2f\n", full / empty, full / png);
        std::printf("render goal < %.0f ms: %s\n", kGoalRenderMs,
                    full < kGoalRenderMs ? "met" : "MISSED");
    }
    return 0;
}
