#include "images/Picture.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <array>
#include <utility>

#include "images/Dithering.h"
#include "images/PcxCodec.h"

namespace {

// No PCX file of a picture a label printer can hold comes near this; a bigger file is not
// read into memory.
constexpr qint64 kLargestPcxFile = 256 * 1024 * 1024;

struct Format {
    const char* prefix;  // first letters of the extension
    int type;
    const char* reader;  // Qt's name for the format
};

constexpr std::array<Format, 19> kFormats{{
    {"bmp", Picture::kBmp, "bmp"},   {"dib", Picture::kBmp, "bmp"},
    {"gif", Picture::kGif, "gif"},   {"jpg", Picture::kJpeg, "jpeg"},
    {"jpe", Picture::kJpeg, "jpeg"}, {"jfi", Picture::kJpeg, "jpeg"},
    {"png", Picture::kPng, "png"},   {"ico", Picture::kIco, "ico"},
    {"tif", Picture::kTiff, "tiff"}, {"tga", Picture::kTga, "tga"},
    {"pcx", Picture::kPcx, ""},      {"wbm", Picture::kWbmp, "wbmp"},
    {"web", Picture::kWebp, "webp"}, {"pbm", Picture::kPnm, "pbm"},
    {"pgm", Picture::kPnm, "pgm"},   {"ppm", Picture::kPnm, "ppm"},
    {"pnm", Picture::kPnm, "ppm"},   {"xbm", Picture::kXbm, "xbm"},
    {"xpm", Picture::kXpm, "xpm"},
}};

const char* ReaderFor(int type) {
    for (const Format& format : kFormats) {
        if (format.type == type) {
            return format.reader;
        }
    }
    return type == Picture::kIcns ? "icns" : nullptr;
}

QImage ReadPcxFile(const QString& path, int& bitsPerPixel) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestPcxFile) {
        return {};
    }
    return PcxCodec::Read(file.readAll(), &bitsPerPixel);
}

QImage ReadWith(const QString& path, const QByteArray& format) {
    QImageReader reader(path, format);
    // Photos are shown upright, as every other viewer shows them.
    reader.setAutoTransform(true);
    QImage image;
    reader.read(&image);
    return image;
}

}  // namespace

QString Picture::Extension(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot + 1).toLower();
}

int Picture::TypeFromExtension(const QString& extension) {
    if (extension.startsWith(QStringLiteral("icn"))) {
        return kIcns;
    }
    for (const Format& format : kFormats) {
        if (extension.startsWith(QLatin1String(format.prefix))) {
            return format.type;
        }
    }
    return kUnknown;
}

int Picture::BitsOf(const QImage& image) {
    switch (image.format()) {
        case QImage::Format_Mono:
        case QImage::Format_MonoLSB:
            return 1;
        case QImage::Format_Indexed8:
            // A two-colour GIF or PNG is a black-and-white picture like any 1-bit file.
            return image.colorCount() <= 2 ? 1 : image.colorCount() <= 16 ? 4 : 8;
        case QImage::Format_RGB32:
        case QImage::Format_RGB888:
        case QImage::Format_BGR888:
        case QImage::Format_RGB666:
        case QImage::Format_RGBX8888:
            return 24;
        default:
            return image.depth();
    }
}

bool Picture::Load(const QString& path, int type) {
    Release();
    const char* reader = ReaderFor(type);
    if (reader == nullptr) {
        return false;
    }
    int bits = 0;
    QImage image = type == kPcx ? ReadPcxFile(path, bits) : ReadWith(path, reader);
    if (image.isNull()) {
        // Named for one format, made in another: let the content decide.
        image = ReadWith(path, QByteArray());
        if (image.isNull() && type != kPcx) {
            image = ReadPcxFile(path, bits);
        }
    }
    if (image.isNull()) {
        return false;
    }
    bitsPerPixel_ = bits > 0 ? bits : BitsOf(image);
    image_ = std::move(image);
    return true;
}

bool Picture::Dither(int method) {
    if (!IsValid() || !Dithering::IsKnownMethod(method)) {
        return false;
    }
    QImage dithered = Dithering::Apply(image_, method);
    if (dithered.isNull()) {
        return false;
    }
    image_ = std::move(dithered);
    bitsPerPixel_ = 1;
    return true;
}

void Picture::ReduceToOneBit() {
    if (!IsValid()) {
        return;
    }
    QImage reduced = Dithering::Threshold(image_);
    if (!reduced.isNull()) {
        image_ = std::move(reduced);
        bitsPerPixel_ = 1;
    }
}

void Picture::Draw(QPainter& painter, const QPoint& at) const {
    if (IsValid()) {
        painter.drawImage(at, image_);
    }
}

bool Picture::SavePcx(const QString& path) const {
    const QByteArray bytes = PcxCodec::Write(image_);
    if (bytes.isEmpty()) {
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    const bool written = file.write(bytes) == bytes.size();
    file.close();
    if (!written || file.error() != QFileDevice::NoError) {
        file.remove();
        return false;
    }
    return true;
}

void Picture::Release() {
    image_ = QImage();
    bitsPerPixel_ = 0;
}
