// A 12-megapixel photo made a black-and-white PCX file with each method, beside ImageMagick's
// convert doing the same job in the same run:
//   images_bench [--photo=FILE] [benchmark options]
// Without --photo a 4000 x 3000 JPEG is made first (ImageMagick's plasma fractal, which has the
// texture of a photo, or a drawn picture when convert is missing).
//
// Per method it times the whole path in this process and each stage of it (decode, dither,
// encode); the whole path as a process of its own, interleaved with convert, since convert is
// timed as a process too; and the Image Viewer's second Load of an unchanged file with another
// method, which should only dither. The child processes tell their peak memory above their idle
// size. A table of medians closes the run.
//
// The child modes (run by the benchmark itself):
//   images_bench --convert-one IN OUT METHOD     file -> PCX file, as the downloader does it
//   images_bench --preview-one IN METHOD1 METHOD2  two viewer Loads of the same file
// METHOD is the method's number (-1 for the plain reduction). Each prints
// "idle_kb=N peak_kb=M" (resident memory after start-up, then at its peak) and exits.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "forms/Pacer.h"
#include "images/Picture.h"
#include "images/PicturePreview.h"

namespace {

QString photo;
QTemporaryDir* folder = nullptr;

const QString kConvert = QStringLiteral(TAGWELL_IMAGEMAGICK_CONVERT);
// Medians are of this many runs.
constexpr int kRounds = 5;
// The goals the figures are read against.
constexpr double kGoalRatio = 10;
constexpr double kGoalReditherMs = 100;
constexpr double kGoalPeakMb = 60;

struct Method {
    const char* name;
    QStringList imageMagick;  // the same job for convert, between input and output
};

const std::map<DitherMethod, Method>& Methods() {
    static const std::map<DitherMethod, Method> methods = {
        {DitherMethod::None, {"None", {QStringLiteral("+dither"), QStringLiteral("-monochrome")}}},
        {DitherMethod::ErrorDiffusion,
         {"Error Diffusion",
          {QStringLiteral("-dither"), QStringLiteral("FloydSteinberg"),
           QStringLiteral("-monochrome")}}},
        {DitherMethod::OrderedClustered,
         {"Ordered Dither (clustered 4x4)",
          {QStringLiteral("-colorspace"), QStringLiteral("Gray"), QStringLiteral("-ordered-dither"),
           QStringLiteral("h4x4a"), QStringLiteral("-type"), QStringLiteral("bilevel")}}},
        {DitherMethod::Bayer4,
         {"4x4 Matrix (Bayer)",
          {QStringLiteral("-colorspace"), QStringLiteral("Gray"), QStringLiteral("-ordered-dither"),
           QStringLiteral("o4x4"), QStringLiteral("-type"), QStringLiteral("bilevel")}}},
        {DitherMethod::Bayer8,
         {"8x8 Matrix (Bayer)",
          {QStringLiteral("-colorspace"), QStringLiteral("Gray"), QStringLiteral("-ordered-dither"),
           QStringLiteral("o8x8"), QStringLiteral("-type"), QStringLiteral("bilevel")}}},
    };
    return methods;
}

std::optional<DitherMethod> MethodFromNumber(const char* text) {
    bool ok = false;
    const int number = QByteArray(text).toInt(&ok);
    for (const DitherMethod method : kDitherMethods) {
        if (ok && static_cast<int>(method) == number) {
            return method;
        }
    }
    return std::nullopt;
}

QString NumberOf(DitherMethod method) {
    return QString::number(static_cast<int>(method));
}

// The method listed before `method`, which the viewer showed before the user chose `method`.
DitherMethod PreviousOf(DitherMethod method) {
    const auto at = std::find(kDitherMethods.begin(), kDitherMethods.end(), method);
    return at == kDitherMethods.begin() ? kDitherMethods.back() : *(at - 1);
}

// What each run measured, by stage and method, for the closing table.
enum class Stage {
    WholePath,     // file -> PCX file, in this process
    Decode,        // Picture::Load alone (the same for every method)
    Dither,        // ToBlackAndWhite of a loaded picture
    Encode,        // SavePcx of a black-and-white picture
    Process,       // the whole path as a process of its own
    Convert,       // ImageMagick's convert doing the same job
    ViewerFirst,   // the viewer's first Load: decode and dither
    ViewerSecond,  // its Load of the unchanged file with another method
};
std::map<std::pair<Stage, DitherMethod>, std::vector<double>> seconds;
// Peak resident memory above idle, in MiB, of a child's conversion and of its viewer Loads.
std::map<DitherMethod, double> conversionPeakMb;
std::map<DitherMethod, double> viewerPeakMb;

void Record(Stage stage, DitherMethod method, double value) {
    seconds[{stage, method}].push_back(value);
}

std::optional<double> Median(Stage stage, DitherMethod method) {
    const auto found = seconds.find({stage, method});
    if (found == seconds.end() || found->second.empty()) {
        return std::nullopt;
    }
    std::vector<double> values = found->second;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double SecondsSince(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

// Resident memory in KiB, now ("VmRSS") or at its peak ("VmHWM"). Not getrusage's ru_maxrss:
// a child started from this benchmark inherits the parent's peak through fork and exec, and the
// parent holds the photo, so the child's own peak would never show.
long ResidentKb(const char* field) {
    QFile file(QStringLiteral("/proc/self/status"));
    if (!file.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.startsWith(prefix)) {
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLong();
        }
    }
    return 0;
}

void PrintLoad(const char* when) {
    QFile file(QStringLiteral("/proc/loadavg"));
    const QByteArray load =
        file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray("unknown");
    std::printf("machine load %s: %s\n", when, load.constData());
    std::fflush(stdout);
}

// The viewer's pauses are for the eye; the benchmark times only the work.
class NoPacer : public Pacer {
public:
    void Pause(int) override {}
    void KeepPainted() override {}
};

PictureType PhotoType(const QString& path) {
    return Picture::TypeFromExtension(Picture::Extension(path));
}

// One child process and how long it took from start to exit.
struct ChildRun {
    bool done = false;
    double seconds = 0;
    QByteArray output;
};

ChildRun Run(const QString& program, const QStringList& arguments) {
    ChildRun run;
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    run.done = process.waitForStarted(10000) && process.waitForFinished(600000) &&
               process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    run.seconds = SecondsSince(timer);
    run.output = process.readAllStandardOutput();
    if (!run.done) {
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(program),
                     process.readAllStandardError().constData());
    }
    return run;
}

// A child's peak above its idle size, in MiB, from its "idle_kb=N peak_kb=M" line.
std::optional<double> PeakAboveIdleMb(const ChildRun& run) {
    long idle = 0;
    long peak = 0;
    if (!run.done ||
        std::sscanf(run.output.constData(), "idle_kb=%ld peak_kb=%ld", &idle, &peak) != 2) {
        return std::nullopt;
    }
    return static_cast<double>(peak - idle) / 1024;
}

ChildRun RunSelf(const QStringList& arguments) {
    return Run(QCoreApplication::applicationFilePath(), arguments);
}

QString MakePhoto() {
    const QString path = folder->filePath(QStringLiteral("photo.jpg"));
    if (!kConvert.isEmpty() &&
        Run(kConvert, {QStringLiteral("-seed"), QStringLiteral("7"), QStringLiteral("-size"),
                       QStringLiteral("4000x3000"), QStringLiteral("plasma:fractal"),
                       QStringLiteral("-quality"), QStringLiteral("90"), path})
            .done) {
        return path;
    }
    QImage picture(4000, 3000, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient light(0, 0, 4000, 3000);
    light.setColorAt(0, QColor(30, 60, 120));
    light.setColorAt(1, QColor(240, 200, 150));
    painter.fillRect(picture.rect(), light);
    QRandomGenerator random(7);
    for (int i = 0; i < 400; ++i) {
        painter.setBrush(QColor::fromRgb(random.generate() | 0xff000000u));
        painter.drawEllipse(QPoint(random.bounded(4000), random.bounded(3000)), random.bounded(300),
                            random.bounded(300));
    }
    painter.end();
    picture.save(path, "JPG", 90);
    return path;
}

// Every case's argument is the method's number.
DitherMethod MethodOf(const benchmark::State& state) {
    return static_cast<DitherMethod>(state.range(0));
}

void EveryMethod(benchmark::internal::Benchmark* benchmark) {
    for (const DitherMethod method : kDitherMethods) {
        benchmark->Arg(static_cast<int>(method));
    }
}

// Repeated runs of one iteration, timed by the case itself so that preparation stays out.
void Repeated(benchmark::internal::Benchmark* benchmark) {
    benchmark->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(kRounds)
        ->ReportAggregatesOnly(true);
}

// The whole conversion as the downloader does it: load, dither or reduce, save as PCX.
// Loads the photo into `picture`; false, with the case marked as failed, when it cannot.
bool LoadPhoto(benchmark::State& state, Picture& picture) {
    if (picture.Load(photo, PhotoType(photo))) {
        return true;
    }
    state.SkipWithError("the photo cannot be read");
    return false;
}

void WholePath(benchmark::State& state) {
    const DitherMethod method = MethodOf(state);
    state.SetLabel(Methods().at(method).name);
    const QString output = folder->filePath(QStringLiteral("whole.pcx"));
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        Picture picture;
        if (!LoadPhoto(state, picture)) {
            return;
        }
        picture.ToBlackAndWhite(method);
        if (!picture.SavePcx(output)) {
            state.SkipWithError("the PCX file cannot be written");
            return;
        }
        const double elapsed = SecondsSince(timer);
        state.SetIterationTime(elapsed);
        Record(Stage::WholePath, method, elapsed);
    }
}
BENCHMARK(WholePath)->Apply(EveryMethod)->Apply(Repeated);

void Decode(benchmark::State& state) {
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        Picture picture;
        if (!LoadPhoto(state, picture)) {
            return;
        }
        const double elapsed = SecondsSince(timer);
        state.SetIterationTime(elapsed);
        for (const DitherMethod method : kDitherMethods) {
            Record(Stage::Decode, method, elapsed);
        }
    }
}
BENCHMARK(Decode)->Apply(Repeated);

const Picture& Loaded() {
    static const Picture loaded = [] {
        Picture picture;
        picture.Load(photo, PhotoType(photo));
        return picture;
    }();
    return loaded;
}

void Dither(benchmark::State& state) {
    const DitherMethod method = MethodOf(state);
    state.SetLabel(Methods().at(method).name);
    if (!Loaded().IsValid()) {
        state.SkipWithError("the photo cannot be read");
        return;
    }
    for (auto _ : state) {
        // Every method writes a picture of its own, so the copy's shared pixels stay as loaded.
        Picture picture = Loaded();
        QElapsedTimer timer;
        timer.start();
        picture.ToBlackAndWhite(method);
        const double elapsed = SecondsSince(timer);
        benchmark::DoNotOptimize(picture.Image().constBits());
        state.SetIterationTime(elapsed);
        Record(Stage::Dither, method, elapsed);
    }
}
BENCHMARK(Dither)->Apply(EveryMethod)->Apply(Repeated);

void Encode(benchmark::State& state) {
    const DitherMethod method = MethodOf(state);
    state.SetLabel(Methods().at(method).name);
    Picture picture = Loaded();
    picture.ToBlackAndWhite(method);
    const QString output = folder->filePath(QStringLiteral("encoded.pcx"));
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        if (!picture.SavePcx(output)) {
            state.SkipWithError("the PCX file cannot be written");
            return;
        }
        const double elapsed = SecondsSince(timer);
        state.SetIterationTime(elapsed);
        Record(Stage::Encode, method, elapsed);
    }
}
BENCHMARK(Encode)->Apply(EveryMethod)->Apply(Repeated);

// The whole path as a process, beside convert as a process, taking turns so that both see the
// same machine; the Tagwell child also tells its memory.
void Process(benchmark::State& state) {
    const DitherMethod method = MethodOf(state);
    state.SetLabel(Methods().at(method).name);
    const QString ours = folder->filePath(QStringLiteral("ours.pcx"));
    const QString theirs = QStringLiteral("PCX:") + folder->filePath(QStringLiteral("theirs.pcx"));
    for (auto _ : state) {
        double peak = 0;
        for (int round = 0; round < kRounds; ++round) {
            const ChildRun tagwell =
                RunSelf({QStringLiteral("--convert-one"), photo, ours, NumberOf(method)});
            const std::optional<double> above = PeakAboveIdleMb(tagwell);
            if (!above) {
                state.SkipWithError("the conversion process failed");
                return;
            }
            Record(Stage::Process, method, tagwell.seconds);
            peak = std::max(peak, *above);
            if (!kConvert.isEmpty()) {
                const ChildRun imageMagick =
                    Run(kConvert, QStringList{photo} + Methods().at(method).imageMagick +
                                      QStringList{theirs});
                if (imageMagick.done) {
                    Record(Stage::Convert, method, imageMagick.seconds);
                }
            }
        }
        conversionPeakMb[method] = peak;
        const double tagwell = *Median(Stage::Process, method);
        state.SetIterationTime(tagwell);
        state.counters["peak_above_idle_MB"] = peak;
        if (const std::optional<double> convert = Median(Stage::Convert, method)) {
            state.counters["convert_s"] = *convert;
            state.counters["convert_over_tagwell"] = *convert / tagwell;
        }
    }
}
BENCHMARK(Process)
    ->Apply(EveryMethod)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1);

// The Image Viewer shows the photo with the method listed before, then the user picks this one.
void Viewer(benchmark::State& state) {
    const DitherMethod method = MethodOf(state);
    state.SetLabel(Methods().at(method).name);
    for (auto _ : state) {
        NoPacer pacer;
        PicturePreview preview(pacer);
        QElapsedTimer timer;
        timer.start();
        const auto first = preview.Load(photo, PreviousOf(method));
        const double firstSeconds = SecondsSince(timer);
        timer.restart();
        const auto second = preview.Load(photo, method);
        const double secondSeconds = SecondsSince(timer);
        if (!first || !second) {
            state.SkipWithError("the viewer cannot show the photo");
            return;
        }
        state.SetIterationTime(secondSeconds);
        state.counters["first_load_ms"] = firstSeconds * 1000;
        Record(Stage::ViewerFirst, method, firstSeconds);
        Record(Stage::ViewerSecond, method, secondSeconds);
    }
}
BENCHMARK(Viewer)->Apply(EveryMethod)->Apply(Repeated);

// The viewer's two Loads in a process of their own, for their memory.
void ViewerMemory(benchmark::State& state) {
    const DitherMethod method = MethodOf(state);
    state.SetLabel(Methods().at(method).name);
    for (auto _ : state) {
        const ChildRun child = RunSelf({QStringLiteral("--preview-one"), photo,
                                        NumberOf(PreviousOf(method)), NumberOf(method)});
        const std::optional<double> above = PeakAboveIdleMb(child);
        if (!above) {
            state.SkipWithError("the viewer process failed");
            return;
        }
        viewerPeakMb[method] = *above;
        state.SetIterationTime(child.seconds);
        state.counters["peak_above_idle_MB"] = *above;
    }
}
BENCHMARK(ViewerMemory)
    ->Apply(EveryMethod)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1);

std::string Cell(std::optional<double> value, double scale, const char* format) {
    if (!value) {
        return "-";
    }
    char text[32];
    std::snprintf(text, sizeof text, format, *value * scale);
    return text;
}

std::optional<double> Ratio(std::optional<double> over, std::optional<double> under) {
    if (!over || !under || *under <= 0) {
        return std::nullopt;
    }
    return *over / *under;
}

std::optional<double> Found(const std::map<DitherMethod, double>& values, DitherMethod method) {
    const auto found = values.find(method);
    return found == values.end() ? std::nullopt : std::optional<double>(found->second);
}

void PrintTable() {
    std::printf(
        "\nMedians of %d runs. Whole process: file -> PCX file in a process of its own; ratio: "
        "convert / Tagwell (goal >= %.0fx).\n",
        kRounds, kGoalRatio);
    std::printf("%-31s %10s %10s %7s | %8s %8s %8s %8s | %s\n", "method", "Tagwell", "convert",
                "ratio", "in proc", "decode", "dither", "encode", "peak above idle");
    for (const DitherMethod method : kDitherMethods) {
        const auto process = Median(Stage::Process, method);
        const auto convert = Median(Stage::Convert, method);
        std::printf("%-31s %10s %10s %7s | %8s %8s %8s %8s | %s\n", Methods().at(method).name,
                    Cell(process, 1000, "%.0f ms").c_str(), Cell(convert, 1000, "%.0f ms").c_str(),
                    Cell(Ratio(convert, process), 1, "%.1fx").c_str(),
                    Cell(Median(Stage::WholePath, method), 1000, "%.0f ms").c_str(),
                    Cell(Median(Stage::Decode, method), 1000, "%.0f ms").c_str(),
                    Cell(Median(Stage::Dither, method), 1000, "%.1f ms").c_str(),
                    Cell(Median(Stage::Encode, method), 1000, "%.1f ms").c_str(),
                    Cell(Found(conversionPeakMb, method), 1, "%.0f MB").c_str());
    }
    std::printf(
        "\nImage Viewer: first Load with the method listed before (decode + dither), then a Load "
        "of the unchanged file with this method (goal < %.0f ms), beside this method's dither "
        "alone; memory of both Loads in one process.\n",
        kGoalReditherMs);
    std::printf("%-31s %10s %10s %7s %10s | %s\n", "method", "first", "again", "ratio", "dither",
                "peak above idle");
    for (const DitherMethod method : kDitherMethods) {
        const auto first = Median(Stage::ViewerFirst, method);
        const auto second = Median(Stage::ViewerSecond, method);
        std::printf("%-31s %10s %10s %7s %10s | %s\n", Methods().at(method).name,
                    Cell(first, 1000, "%.0f ms").c_str(), Cell(second, 1000, "%.0f ms").c_str(),
                    Cell(Ratio(first, second), 1, "%.1fx").c_str(),
                    Cell(Median(Stage::Dither, method), 1000, "%.0f ms").c_str(),
                    Cell(Found(viewerPeakMb, method), 1, "%.0f MB").c_str());
    }
    double conversion = 0;
    double viewer = 0;
    for (const auto& [method, peak] : conversionPeakMb) {
        conversion = std::max(conversion, peak);
    }
    for (const auto& [method, peak] : viewerPeakMb) {
        viewer = std::max(viewer, peak);
    }
    std::printf(
        "\nconversion: peak above idle: %.0f MB; viewer: peak above idle: %.0f MB (goal < "
        "%.0f MB)\n",
        conversion, viewer, kGoalPeakMb);
}

void PrintMemory(long idle) {
    std::printf("idle_kb=%ld peak_kb=%ld\n", idle, ResidentKb("VmHWM"));
}

// images_bench --convert-one IN OUT METHOD
int ConvertOne(int argc, char** argv) {
    const std::optional<DitherMethod> method = argc == 5 ? MethodFromNumber(argv[4]) : std::nullopt;
    if (!method) {
        std::fprintf(stderr, "usage: images_bench --convert-one IN OUT METHOD\n");
        return 2;
    }
    const QString in = QString::fromLocal8Bit(argv[2]);
    const QString out = QString::fromLocal8Bit(argv[3]);
    QGuiApplication application(argc, argv);
    const long idle = ResidentKb("VmRSS");
    Picture picture;
    if (!picture.Load(in, PhotoType(in))) {
        return 1;
    }
    picture.ToBlackAndWhite(*method);
    if (!picture.SavePcx(out)) {
        return 1;
    }
    PrintMemory(idle);
    return 0;
}

// images_bench --preview-one IN METHOD1 METHOD2
int PreviewOne(int argc, char** argv) {
    const std::optional<DitherMethod> first = argc == 5 ? MethodFromNumber(argv[3]) : std::nullopt;
    const std::optional<DitherMethod> second = argc == 5 ? MethodFromNumber(argv[4]) : std::nullopt;
    if (!first || !second) {
        std::fprintf(stderr, "usage: images_bench --preview-one IN METHOD1 METHOD2\n");
        return 2;
    }
    const QString in = QString::fromLocal8Bit(argv[2]);
    QGuiApplication application(argc, argv);
    const long idle = ResidentKb("VmRSS");
    NoPacer pacer;
    PicturePreview preview(pacer);
    // The first picture stays on screen while the second is made.
    const auto shown = preview.Load(in, *first);
    if (!shown || !preview.Load(in, *second)) {
        return 1;
    }
    PrintMemory(idle);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (argc > 1 && qstrcmp(argv[1], "--convert-one") == 0) {
        return ConvertOne(argc, argv);
    }
    if (argc > 1 && qstrcmp(argv[1], "--preview-one") == 0) {
        return PreviewOne(argc, argv);
    }
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument.startsWith("--photo=")) {
            photo = QString::fromLocal8Bit(argument.mid(8));
        } else {
            rest.push_back(argv[i]);
        }
    }
    int restCount = static_cast<int>(rest.size());
    QGuiApplication application(restCount, rest.data());
    QTemporaryDir temporary;
    folder = &temporary;
    PrintLoad("at start");
    if (photo.isEmpty()) {
        photo = MakePhoto();
    }
    const QSize size = QImageReader(photo).size();
    std::printf("photo %s, %d x %d; ImageMagick: %s\n", qPrintable(photo), size.width(),
                size.height(), kConvert.isEmpty() ? "not found" : qPrintable(kConvert));
    std::fflush(stdout);
    benchmark::Initialize(&restCount, rest.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    PrintTable();
    PrintLoad("at end");
    return 0;
}
