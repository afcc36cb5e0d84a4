// Converts a 12-megapixel photo to a black-and-white PCX file with each dither method, and
// times ImageMagick's convert doing the same job on the same file once, for comparison:
//   images_bench [--photo=FILE] [benchmark options]
// Without --photo a 4000 x 3000 JPEG is made first (ImageMagick's plasma fractal, which has the
// texture of a photo, or a drawn picture when convert is missing).
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
#include <cstdio>
#include <map>

#include "images/Picture.h"

namespace {

QString photo;
QTemporaryDir* folder = nullptr;

const QString kConvert = QStringLiteral(TAGWELL_IMAGEMAGICK_CONVERT);

struct Method {
    DitherMethod method;  // None: the plain reduction
    const char* name;
    QStringList imageMagick;  // the same job for convert, between input and output
};

const std::map<DitherMethod, Method>& Methods() {
    static const std::map<DitherMethod, Method> methods = {
        {DitherMethod::None,
         {DitherMethod::None, "None", {QStringLiteral("+dither"), QStringLiteral("-monochrome")}}},
        {DitherMethod::ErrorDiffusion,
         {DitherMethod::ErrorDiffusion,
          "Error Diffusion",
          {QStringLiteral("-dither"), QStringLiteral("FloydSteinberg"),
           QStringLiteral("-monochrome")}}},
        {DitherMethod::OrderedClustered,
         {DitherMethod::OrderedClustered,
          "Ordered Dither (clustered 4x4)",
          {QStringLiteral("-colorspace"), QStringLiteral("Gray"), QStringLiteral("-ordered-dither"),
           QStringLiteral("h4x4a"), QStringLiteral("-type"), QStringLiteral("bilevel")}}},
        {DitherMethod::Bayer4,
         {DitherMethod::Bayer4,
          "4x4 Matrix (Bayer)",
          {QStringLiteral("-colorspace"), QStringLiteral("Gray"), QStringLiteral("-ordered-dither"),
           QStringLiteral("o4x4"), QStringLiteral("-type"), QStringLiteral("bilevel")}}},
        {DitherMethod::Bayer8,
         {DitherMethod::Bayer8,
          "8x8 Matrix (Bayer)",
          {QStringLiteral("-colorspace"), QStringLiteral("Gray"), QStringLiteral("-ordered-dither"),
           QStringLiteral("o8x8"), QStringLiteral("-type"), QStringLiteral("bilevel")}}},
    };
    return methods;
}

bool RunConvert(const QStringList& arguments, double* seconds = nullptr) {
    QProcess convert;
    QElapsedTimer timer;
    timer.start();
    convert.start(kConvert, arguments);
    const bool done = convert.waitForStarted(10000) && convert.waitForFinished(600000) &&
                      convert.exitStatus() == QProcess::NormalExit && convert.exitCode() == 0;
    if (seconds != nullptr) {
        *seconds = timer.nsecsElapsed() / 1e9;
    }
    if (!done) {
        std::fprintf(stderr, "convert failed: %s\n", convert.readAllStandardError().constData());
    }
    return done;
}

QString MakePhoto() {
    const QString path = folder->filePath(QStringLiteral("photo.jpg"));
    if (!kConvert.isEmpty() &&
        RunConvert({QStringLiteral("-seed"), QStringLiteral("7"), QStringLiteral("-size"),
                    QStringLiteral("4000x3000"), QStringLiteral("plasma:fractal"),
                    QStringLiteral("-quality"), QStringLiteral("90"), path})) {
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

// One whole conversion as the downloader does it: load, dither or reduce, save as PCX.
void Convert(benchmark::State& state) {
    // The argument is the method's number.
    const Method& method = Methods().at(static_cast<DitherMethod>(state.range(0)));
    state.SetLabel(method.name);
    const QString ours = folder->filePath(QStringLiteral("ours.pcx"));
    double total = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        Picture picture;
        if (!picture.Load(photo, Picture::TypeFromExtension(Picture::Extension(photo)))) {
            state.SkipWithError("the photo cannot be read");
            return;
        }
        picture.ToBlackAndWhite(method.method);
        if (!picture.SavePcx(ours)) {
            state.SkipWithError("the PCX file cannot be written");
            return;
        }
        total += timer.nsecsElapsed() / 1e9;
    }
    const double mean = total / static_cast<double>(state.iterations());
    state.counters["tagwell_s"] = mean;
    if (kConvert.isEmpty()) {
        return;
    }
    double theirs = 0;
    const QString output = QStringLiteral("PCX:") + folder->filePath(QStringLiteral("theirs.pcx"));
    if (RunConvert(QStringList{photo} + method.imageMagick + QStringList{output}, &theirs)) {
        state.counters["imagemagick_s"] = theirs;
        state.counters["imagemagick_over_tagwell"] = theirs / mean;
    }
}

BENCHMARK(Convert)
    ->Apply([](benchmark::internal::Benchmark* benchmark) {
        for (const DitherMethod method : kDitherMethods) {
            benchmark->Arg(static_cast<int>(method));
        }
    })
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
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
    if (photo.isEmpty()) {
        photo = MakePhoto();
    }
    const QSize size = QImageReader(photo).size();
    std::printf("photo %s, %d x %d; ImageMagick: %s\n", qPrintable(photo), size.width(),
                size.height(), kConvert.isEmpty() ? "not found" : qPrintable(kConvert));
    benchmark::Initialize(&restCount, rest.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
