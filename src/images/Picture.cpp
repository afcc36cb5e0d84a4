#include "images/Picture.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <array>
#include <utility>

#include "forms/ChosenFile.h"
#include "images/Dithering.h"
#include "images/JpegGrey.h"
#include "images/PcxCodec.h"

namespace {

// No PCX file of a picture a label printer can hold comes near this; a bigger file is not
// read into memory.
constexpr qint64 kLargestPcxFile = 256 * 1024 * 1024;

struct Format {
    const char* prefix;  // first letters of the extension
    PictureType type;
    const char* reader;  // Qt's name for the format
};

constexpr std::array<Format, 19> kFormats{{
    {"bmp", PictureType::Bmp, "bmp"},   {"dib", PictureType::Bmp, "bmp"},
    {"gif", PictureType::Gif, "gif"},   {"jpg", PictureType::Jpeg, "jpeg"},
    {"jpe", PictureType::Jpeg, "jpeg"}, {"jfi", PictureType::Jpeg, "jpeg"},
    {"png", PictureType::Png, "png"},   {"ico", PictureType::Ico, "ico"},
    {"tif", PictureType::Tiff, "tiff"}, {"tga", PictureType::Tga, "tga"},
    {"pcx", PictureType::Pcx, ""},      {"wbm", PictureType::Wbmp, "wbmp"},
    {"web", PictureType::Webp, "webp"}, {"pbm", PictureType::Pnm, "pbm"},
    {"pgm", PictureType::Pnm, "pgm"},   {"ppm", PictureType::Pnm, "ppm"},
    {"pnm", PictureType::Pnm, "ppm"},   {"xbm", PictureType::Xbm, "xbm"},
    {"xpm", PictureType::Xpm, "xpm"},
}};

const char* ReaderFor(PictureType type) {
    for (const Format& format : kFormats) {
        if (format.type == type) {
            return format.reader;
        }
    }
    return type == PictureType::Icns ? "icns" : nullptr;
}

bool TooManyPixels(QSize size) {
    return qint64(size.width()) * size.height() > Picture::kMostPixels;
}

QImage ReadPcxFile(const QString& path, int& bitsPerPixel, bool& tooLarge) {
    QFile file;
    if (!ChosenFile::Open(file, path) || file.size() > kLargestPcxFile) {
        return {};
    }
    // The header tells the picture's size before the rest of the file is read.
    if (TooManyPixels(PcxCodec::DeclaredSize(file.read(PcxCodec::kHeaderSize)))) {
        tooLarge = true;
        return {};
    }
    file.seek(0);
    return PcxCodec::Read(file.readAll(), &bitsPerPixel);
}

// A JPEG decoded straight to grey, upright; null when it is one the general reader must do.
QImage ReadJpegGrey(const QString& path, int& bitsPerPixel, bool& tooLarge) {
    QFile file;
    // A JPEG file of a picture within the pixel budget is far smaller than that budget.
    if (!ChosenFile::Open(file, path) || file.size() > Picture::kMostPixels * 4) {
        return {};
    }
    JpegGrey::Result decoded = JpegGrey::Decode(file.readAll(), Picture::kMostPixels);
    tooLarge = decoded.tooLarge;
    bitsPerPixel = decoded.bitsPerPixel;
    return decoded.image;
}

QImage ReadWith(const QString& path, const QByteArray& format, bool& tooLarge) {
    QFile file;
    if (!ChosenFile::Open(file, path)) {
        return {};
    }
    QImageReader reader(&file, format);
    // Photos are shown upright, as every other viewer shows them.
    reader.setAutoTransform(true);
    // Most readers tell the size from the header; the rest are checked once read, before the
    // picture is converted any further.
    if (TooManyPixels(reader.size())) {
        tooLarge = true;
        return {};
    }
    QImage image;
    reader.read(&image);
    if (TooManyPixels(image.size())) {
        tooLarge = true;
        return {};
    }
    return image;
}

}  // namespace

QString Picture::TooLargeText() {
    return tr("This picture is too large to be read: it has more than %L1 pixels.")
        .arg(kMostPixels);
}

QString Picture::Extension(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot + 1).toLower();
}

PictureType Picture::TypeFromExtension(const QString& extension) {
    if (extension.startsWith(QStringLiteral("icn"))) {
        return PictureType::Icns;
    }
    for (const Format& format : kFormats) {
        if (extension.startsWith(QLatin1String(format.prefix))) {
            return format.type;
        }
    }
    return PictureType::Unknown;
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

bool Picture::Load(const QString& path, PictureType type) {
    Clear();
    const char* reader = ReaderFor(type);
    if (reader == nullptr) {
        return false;
    }
    int bits = 0;
    QImage image = type == PictureType::Pcx    ? ReadPcxFile(path, bits, tooLarge_)
                   : type == PictureType::Jpeg ? ReadJpegGrey(path, bits, tooLarge_)
                                               : QImage();
    if (image.isNull() && !tooLarge_ && type != PictureType::Pcx) {
        image = ReadWith(path, reader, tooLarge_);
    }
    if (image.isNull() && !tooLarge_) {
        // Named for one format, made in another: let the content decide.
        image = ReadWith(path, QByteArray(), tooLarge_);
        if (image.isNull() && !tooLarge_ && type != PictureType::Pcx) {
            image = ReadPcxFile(path, bits, tooLarge_);
        }
    }
    if (image.isNull()) {
        return false;
    }
    bitsPerPixel_ = bits > 0 ? bits : BitsOf(image);
    // Whatever is not black and white yet is only ever dithered or reduced from its grey
    // levels: they are all that is kept, a byte a pixel.
    image_ = Dithering::IsBlackAndWhite(image) ? std::move(image) : Dithering::Grey(image);
    return !image_.isNull();
}

bool Picture::Dither(DitherMethod method) {
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

Picture::Step Picture::ToBlackAndWhite(DitherMethod method) {
    if (!IsValid()) {
        return Step::Kept;
    }
    if (method != DitherMethod::None && Dither(method)) {
        return Step::Dithered;
    }
    if (Dithering::IsBlackAndWhite(image_)) {
        return Step::Kept;
    }
    ReduceToOneBit();
    return Step::Reduced;
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

void Picture::Clear() {
    image_ = QImage();
    bitsPerPixel_ = 0;
    tooLarge_ = false;
}
