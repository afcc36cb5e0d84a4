// A picture file of any type through loading, black-and-white reduction and PCX writing, then
// read back: what we write must read back to the same bits. The first byte picks the type the
// file is read as, the second the dither method; the rest is the file.
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "images/DitherMethod.h"
#include "images/PcxCodec.h"
#include "images/Picture.h"
#include "images/PictureType.h"

namespace {

// Bigger pictures are loaded but not dithered: their bits take long and teach nothing new.
constexpr qint64 kMostDitheredPixels = 1024 * 1024;
constexpr int kPictureTypes = static_cast<int>(PictureType::Icns) + 1;

std::unique_ptr<QTemporaryDir> folder;

bool WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

bool SameBits(const QImage& one, const QImage& other) {
    if (one.size() != other.size()) {
        return false;
    }
    for (int y = 0; y < one.height(); ++y) {
        for (int x = 0; x < one.width(); ++x) {
            if (qGray(one.pixel(x, y)) != qGray(other.pixel(x, y))) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Qt finds its image format plugins through the application.
    // Never destroyed: Qt cannot take its application apart among the other exit handlers.
    new QCoreApplication(*argc, *argv);
    // The readers' complaints about broken files would only slow the run down.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    folder = std::make_unique<QTemporaryDir>();
    return folder->isValid() ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const auto type = static_cast<PictureType>(data[0] % kPictureTypes);
    const DitherMethod method = kDitherMethods[data[1] % kDitherMethods.size()];
    const QString input = folder->filePath(QStringLiteral("input"));
    const QString output = folder->filePath(QStringLiteral("output.pcx"));
    if (!WriteAll(input, QByteArray(reinterpret_cast<const char*>(data) + 2,
                                    static_cast<qsizetype>(size - 2)))) {
        std::abort();
    }
    Picture picture;
    if (!picture.Load(input, type)) {
        return 0;
    }
    if (picture.BitsPerPixel() <= 0 ||
        qint64(picture.Width()) * picture.Height() > Picture::kMostPixels) {
        std::abort();
    }
    if (qint64(picture.Width()) * picture.Height() > kMostDitheredPixels) {
        return 0;
    }
    picture.ToBlackAndWhite(method);
    if (picture.BitsPerPixel() != 1) {
        std::abort();
    }
    // A PCX header holds sides up to 65535 only; a wider picture is refused, not cut.
    const bool fits = picture.Width() <= 0xFFFF && picture.Height() <= 0xFFFF;
    if (picture.SavePcx(output) != fits) {
        std::abort();
    }
    if (!fits) {
        return 0;
    }
    QFile written(output);
    if (!written.open(QIODevice::ReadOnly)) {
        std::abort();
    }
    int bits = 0;
    const QImage back = PcxCodec::Read(written.readAll(), &bits);
    if (back.isNull() || bits != 1 || !SameBits(picture.Image(), back)) {
        std::abort();
    }
    return 0;
}
