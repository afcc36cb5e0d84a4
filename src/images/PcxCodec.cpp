#include "images/PcxCodec.h"

#include <QColor>
#include <QList>
#include <algorithm>
#include <cstdint>

#include "images/Dithering.h"
#include "images/Picture.h"

namespace {

constexpr std::uint8_t kManufacturer = 0x0A;
constexpr std::uint8_t kVersionWithPalette = 5;
constexpr std::uint8_t kRunFlag = 0xC0;
constexpr int kLongestRun = 63;
constexpr std::uint8_t kVgaPaletteMark = 0x0C;
constexpr int kVgaPaletteSize = 1 + 768;
// A run of two bytes gives at most 63 bytes: a header promising more than that from the data
// at hand is truncated or corrupt, and its size need not be believed.
constexpr qsizetype kMostBytesPerDataByte = 32;

int Word(QByteArrayView bytes, int at) {
    return static_cast<std::uint8_t>(bytes[at]) | (static_cast<std::uint8_t>(bytes[at + 1]) << 8);
}

void PutWord(QByteArray& bytes, int at, int value) {
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

struct Header {
    int version = 0;
    int encoding = 0;
    int bitsPerPlane = 0;
    int planes = 0;
    int width = 0;
    int height = 0;
    int bytesPerLine = 0;
    QList<QRgb> palette16;  // the header's 16-colour palette
};

bool ReadHeader(QByteArrayView bytes, Header& header) {
    if (!PcxCodec::LooksLikePcx(bytes)) {
        return false;
    }
    header.version = static_cast<std::uint8_t>(bytes[1]);
    header.encoding = static_cast<std::uint8_t>(bytes[2]);
    header.bitsPerPlane = static_cast<std::uint8_t>(bytes[3]);
    const int xMin = Word(bytes, 4);
    const int yMin = Word(bytes, 6);
    const int xMax = Word(bytes, 8);
    const int yMax = Word(bytes, 10);
    header.planes = static_cast<std::uint8_t>(bytes[65]);
    header.bytesPerLine = Word(bytes, 66);
    header.width = xMax - xMin + 1;
    header.height = yMax - yMin + 1;
    for (int i = 0; i < 16; ++i) {
        const int at = 16 + 3 * i;
        header.palette16 << qRgb(static_cast<std::uint8_t>(bytes[at]),
                                 static_cast<std::uint8_t>(bytes[at + 1]),
                                 static_cast<std::uint8_t>(bytes[at + 2]));
    }
    const int bitsPerLine = header.width * header.bitsPerPlane;
    return header.width > 0 && header.height > 0 && header.bytesPerLine > 0 &&
           header.bytesPerLine * 8 >= bitsPerLine;
}

// Expands the encoded data into `size` bytes. Runs may cross line ends (some writers do
// that); data that ends early fails.
bool Expand(QByteArrayView data, bool encoded, qsizetype size, QByteArray& out) {
    if (!encoded) {
        if (data.size() < size) {
            return false;
        }
        out = data.first(size).toByteArray();
        return true;
    }
    out.resize(size);
    char* target = out.data();
    qsizetype filled = 0;
    qsizetype at = 0;
    while (filled < size) {
        if (at >= data.size()) {
            return false;
        }
        const auto byte = static_cast<std::uint8_t>(data[at++]);
        if ((byte & kRunFlag) == kRunFlag) {
            if (at >= data.size()) {
                return false;
            }
            const qsizetype count = std::min<qsizetype>(byte & kLongestRun, size - filled);
            std::fill_n(target + filled, count, data[at++]);
            filled += count;
        } else {
            target[filled++] = static_cast<char>(byte);
        }
    }
    return true;
}

QImage Indexed(const Header& header, const QByteArray& plain, const QList<QRgb>& colours) {
    QImage image(header.width, header.height, QImage::Format_Indexed8);
    if (image.isNull()) {
        return {};
    }
    image.setColorTable(colours);
    const int planeBits = header.bitsPerPlane;
    const int mask = (1 << planeBits) - 1;
    for (int y = 0; y < header.height; ++y) {
        const char* line = plain.constData() + qsizetype(y) * header.planes * header.bytesPerLine;
        uchar* out = image.scanLine(y);
        for (int x = 0; x < header.width; ++x) {
            const int bit = x * planeBits;
            int index = 0;
            for (int plane = 0; plane < header.planes; ++plane) {
                const auto byte =
                    static_cast<std::uint8_t>(line[plane * header.bytesPerLine + (bit >> 3)]);
                const int value = (byte >> (8 - planeBits - (bit & 7))) & mask;
                index |= value << (plane * planeBits);
            }
            out[x] = static_cast<uchar>(std::min<int>(index, static_cast<int>(colours.size()) - 1));
        }
    }
    return image;
}

QImage Mono(const Header& header, const QByteArray& plain) {
    // Many writers leave the header palette zeroed; black and white is then meant.
    const bool usable = header.version != 3 && header.palette16[0] != header.palette16[1];
    const QList<QRgb> colours =
        usable ? header.palette16.first(2) : QList<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)};
    QImage image(header.width, header.height, QImage::Format_Mono);
    if (image.isNull()) {
        return {};
    }
    image.setColorTable(colours);
    const int copied = (header.width + 7) / 8;
    for (int y = 0; y < header.height; ++y) {
        std::copy_n(plain.constData() + qsizetype(y) * header.bytesPerLine, copied,
                    reinterpret_cast<char*>(image.scanLine(y)));
    }
    return image;
}

QImage Colour(const Header& header, const QByteArray& plain) {
    const bool alpha = header.planes == 4;
    QImage image(header.width, header.height, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull()) {
        return {};
    }
    const qsizetype stride = qsizetype(header.planes) * header.bytesPerLine;
    for (int y = 0; y < header.height; ++y) {
        const auto* line = reinterpret_cast<const std::uint8_t*>(plain.constData() + y * stride);
        const std::uint8_t* red = line;
        const std::uint8_t* green = line + header.bytesPerLine;
        const std::uint8_t* blue = line + 2 * header.bytesPerLine;
        QRgb* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < header.width; ++x) {
            const int a = alpha ? line[3 * header.bytesPerLine + x] : 255;
            out[x] = qRgba(red[x], green[x], blue[x], a);
        }
    }
    return image;
}

QList<QRgb> GreyRamp(int count) {
    QList<QRgb> colours;
    for (int i = 0; i < count; ++i) {
        const int level = count > 1 ? i * 255 / (count - 1) : 0;
        colours << qRgb(level, level, level);
    }
    return colours;
}

}  // namespace

bool PcxCodec::LooksLikePcx(QByteArrayView bytes) {
    if (bytes.size() < kHeaderSize || static_cast<std::uint8_t>(bytes[0]) != kManufacturer) {
        return false;
    }
    const int version = static_cast<std::uint8_t>(bytes[1]);
    const int encoding = static_cast<std::uint8_t>(bytes[2]);
    return version <= kVersionWithPalette && version != 1 && encoding <= 1;
}

QSize PcxCodec::DeclaredSize(QByteArrayView bytes) {
    if (!LooksLikePcx(bytes)) {
        return {};
    }
    const int width = Word(bytes, 8) - Word(bytes, 4) + 1;
    const int height = Word(bytes, 10) - Word(bytes, 6) + 1;
    return width > 0 && height > 0 ? QSize(width, height) : QSize();
}

QImage PcxCodec::Read(QByteArrayView bytes, int* bitsPerPixel) {
    Header header;
    if (!ReadHeader(bytes, header) || qint64(header.width) * header.height > Picture::kMostPixels) {
        return {};
    }
    const int bits = header.bitsPerPlane;
    const int planes = header.planes;
    const bool mono = bits == 1 && planes == 1;
    const bool planar = bits == 1 && planes >= 2 && planes <= 4;
    const bool packed = (bits == 2 || bits == 4) && planes == 1;
    const bool paletted = bits == 8 && planes == 1;
    const bool colour = bits == 8 && (planes == 3 || planes == 4);
    if (!mono && !planar && !packed && !paletted && !colour) {
        return {};
    }

    QByteArrayView data = bytes.sliced(kHeaderSize);
    QList<QRgb> vgaPalette;
    if (paletted && data.size() >= kVgaPaletteSize &&
        static_cast<std::uint8_t>(data[data.size() - kVgaPaletteSize]) == kVgaPaletteMark) {
        const QByteArrayView table = data.last(768);
        for (int i = 0; i < 256; ++i) {
            vgaPalette << qRgb(static_cast<std::uint8_t>(table[3 * i]),
                               static_cast<std::uint8_t>(table[3 * i + 1]),
                               static_cast<std::uint8_t>(table[3 * i + 2]));
        }
        data = data.first(data.size() - kVgaPaletteSize);
    }
    const qsizetype size = qsizetype(header.height) * planes * header.bytesPerLine;
    const bool encoded = header.encoding == 1;
    if (encoded && size > data.size() * kMostBytesPerDataByte) {
        return {};
    }
    QByteArray plain;
    if (!Expand(data, encoded, size, plain)) {
        return {};
    }

    QImage image;
    if (mono) {
        image = Mono(header, plain);
    } else if (colour) {
        image = Colour(header, plain);
    } else if (paletted) {
        image = Indexed(header, plain, vgaPalette.isEmpty() ? GreyRamp(256) : vgaPalette);
    } else {
        const int count = 1 << (bits * planes);
        image = Indexed(header, plain, header.palette16.first(std::min(count, 16)));
    }
    if (!image.isNull() && bitsPerPixel != nullptr) {
        *bitsPerPixel = bits * planes;
    }
    return image;
}

QByteArray PcxCodec::Write(const QImage& picture) {
    if (picture.isNull()) {
        return {};
    }
    const QImage mono =
        Dithering::IsBlackAndWhite(picture) ? picture : Dithering::Threshold(picture);
    if (mono.isNull()) {
        return {};
    }
    const int width = mono.width();
    const int height = mono.height();
    if (width > 0xFFFF || height > 0xFFFF) {
        return {};
    }
    const int usedBytes = (width + 7) / 8;
    const int bytesPerLine = usedBytes + (usedBytes % 2);

    QByteArray file(kHeaderSize, '\0');
    file[0] = static_cast<char>(kManufacturer);
    file[1] = static_cast<char>(kVersionWithPalette);
    file[2] = 1;  // run-length encoded
    file[3] = 1;  // bits per pixel
    PutWord(file, 8, width - 1);
    PutWord(file, 10, height - 1);
    PutWord(file, 12, kDotsPerInch);
    PutWord(file, 14, kDotsPerInch);
    for (int i = 19; i < 22; ++i) {
        file[i] = static_cast<char>(0xFF);  // colour 1: white; colour 0 stays black
    }
    file[65] = 1;  // planes
    PutWord(file, 66, bytesPerLine);
    PutWord(file, 68, 1);  // colour palette

    QByteArray line(bytesPerLine, static_cast<char>(0xFF));
    const int tailBits = width % 8;
    const auto tailMask = static_cast<std::uint8_t>(tailBits == 0 ? 0 : 0xFF >> tailBits);
    file.reserve(kHeaderSize + qsizetype(height) * bytesPerLine / 4);
    for (int y = 0; y < height; ++y) {
        std::copy_n(reinterpret_cast<const char*>(mono.constScanLine(y)), usedBytes, line.data());
        if (tailMask != 0) {
            line[usedBytes - 1] = static_cast<char>(line[usedBytes - 1] | tailMask);
        }
        // Each line is encoded on its own, as decoders expect.
        for (int at = 0; at < bytesPerLine;) {
            const char value = line[at];
            int run = 1;
            while (at + run < bytesPerLine && run < kLongestRun && line[at + run] == value) {
                ++run;
            }
            if (run > 1 || (static_cast<std::uint8_t>(value) & kRunFlag) == kRunFlag) {
                file.append(static_cast<char>(kRunFlag | run));
            }
            file.append(value);
            at += run;
        }
    }
    return file;
}
