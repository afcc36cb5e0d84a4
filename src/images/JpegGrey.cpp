#include "images/JpegGrey.h"

#include <turbojpeg.h>

#include <QTransform>
#include <cstdint>
#include <memory>

namespace {

struct TjFree {
    void operator()(void* handle) const { tjDestroy(handle); }
};

std::uint16_t Read16(const uchar* at, bool bigEndian) {
    return bigEndian ? static_cast<std::uint16_t>(at[0] << 8 | at[1])
                     : static_cast<std::uint16_t>(at[1] << 8 | at[0]);
}

std::uint32_t Read32(const uchar* at, bool bigEndian) {
    return bigEndian ? std::uint32_t(at[0]) << 24 | std::uint32_t(at[1]) << 16 |
                           std::uint32_t(at[2]) << 8 | at[3]
                     : std::uint32_t(at[3]) << 24 | std::uint32_t(at[2]) << 16 |
                           std::uint32_t(at[1]) << 8 | at[0];
}

// The orientation tag of an EXIF block ("Exif\0\0" and a TIFF header), or 1.
int OrientationInExif(QByteArrayView exif) {
    constexpr qsizetype kTiff = 6;  // after "Exif\0\0"
    if (exif.size() < kTiff + 8 || !exif.startsWith(QByteArrayView("Exif\0\0", 6))) {
        return 1;
    }
    const auto* tiff = reinterpret_cast<const uchar*>(exif.data()) + kTiff;
    const qsizetype size = exif.size() - kTiff;
    const bool bigEndian = tiff[0] == 'M' && tiff[1] == 'M';
    if (!bigEndian && !(tiff[0] == 'I' && tiff[1] == 'I')) {
        return 1;
    }
    const std::uint32_t ifd = Read32(tiff + 4, bigEndian);
    if (ifd > std::uint32_t(size) - 2) {
        return 1;
    }
    const int entries = Read16(tiff + ifd, bigEndian);
    constexpr std::uint16_t kOrientationTag = 0x0112;
    constexpr std::uint16_t kShort = 3;
    for (int i = 0; i < entries; ++i) {
        const qint64 at = qint64(ifd) + 2 + qint64(i) * 12;
        if (at + 12 > size) {
            break;
        }
        const uchar* entry = tiff + at;
        if (Read16(entry, bigEndian) == kOrientationTag && Read16(entry + 2, bigEndian) == kShort) {
            const int value = Read16(entry + 8, bigEndian);
            return value >= 1 && value <= 8 ? value : 1;
        }
    }
    return 1;
}

}  // namespace

int JpegGrey::Orientation(QByteArrayView jpeg) {
    const auto* bytes = reinterpret_cast<const uchar*>(jpeg.data());
    const qsizetype size = jpeg.size();
    if (size < 4 || bytes[0] != 0xFF || bytes[1] != 0xD8) {
        return 1;
    }
    // The segments before the first scan; EXIF lives in an APP1 among them.
    qsizetype at = 2;
    while (at + 4 <= size && bytes[at] == 0xFF) {
        const uchar marker = bytes[at + 1];
        if (marker == 0xD8 || (marker >= 0xD0 && marker <= 0xD7) || marker == 0x01 ||
            marker == 0xFF) {
            ++at;  // markers without a length, and fill bytes
            continue;
        }
        if (marker == 0xDA || marker == 0xD9) {
            break;  // start of scan, end of image
        }
        const qsizetype length = bytes[at + 2] << 8 | bytes[at + 3];
        if (length < 2 || at + 2 + length > size) {
            break;
        }
        if (marker == 0xE1) {
            const int orientation = OrientationInExif(jpeg.sliced(at + 4, length - 2));
            if (orientation != 1) {
                return orientation;
            }
        }
        at += 2 + length;
    }
    return 1;
}

QImage JpegGrey::Upright(const QImage& image, int orientation) {
    // Mirror, then flip, then a quarter turn clockwise, as Qt composes its transformations.
    constexpr int kMirror = 1;
    constexpr int kFlip = 2;
    constexpr int kRotate90 = 4;
    static constexpr int kSteps[9] = {0,
                                      0,
                                      kMirror,
                                      kMirror | kFlip,
                                      kFlip,
                                      kFlip | kRotate90,
                                      kRotate90,
                                      kMirror | kRotate90,
                                      kMirror | kFlip | kRotate90};
    const int steps = orientation >= 1 && orientation <= 8 ? kSteps[orientation] : 0;
    if (steps == 0) {
        return image;
    }
    if (steps == (kMirror | kFlip | kRotate90)) {
        return image.transformed(QTransform().rotate(270));
    }
    QImage turned = image.mirrored((steps & kMirror) != 0, (steps & kFlip) != 0);
    if ((steps & kRotate90) != 0) {
        turned = turned.transformed(QTransform().rotate(90));
    }
    return turned;
}

JpegGrey::Result JpegGrey::Decode(const QByteArray& jpeg, qint64 mostPixels) {
    Result result;
    const std::unique_ptr<void, TjFree> decoder(tjInitDecompress());
    if (!decoder || jpeg.isEmpty()) {
        return result;
    }
    const auto* bytes = reinterpret_cast<const unsigned char*>(jpeg.constData());
    const auto size = static_cast<unsigned long>(jpeg.size());
    int width = 0;
    int height = 0;
    int subsampling = 0;
    int colourspace = 0;
    if (tjDecompressHeader3(decoder.get(), bytes, size, &width, &height, &subsampling,
                            &colourspace) != 0 ||
        width <= 0 || height <= 0) {
        return result;
    }
    if (qint64(width) * height > mostPixels) {
        result.tooLarge = true;
        return result;
    }
    // CMYK needs all four channels for its grey: Qt's reader does those.
    if (colourspace != TJCS_YCbCr && colourspace != TJCS_GRAY) {
        return result;
    }
    QImage grey(width, height, QImage::Format_Grayscale8);
    if (grey.isNull()) {
        return result;
    }
    // A progressive file with an absurd number of scans is refused rather than decoded for
    // minutes.
    if (tjDecompress2(decoder.get(), bytes, size, grey.bits(), width,
                      static_cast<int>(grey.bytesPerLine()), height, TJPF_GRAY,
                      TJFLAG_LIMITSCANS) != 0 &&
        tjGetErrorCode(decoder.get()) == TJERR_FATAL) {
        return result;
    }
    result.image = Upright(grey, Orientation(jpeg));
    result.bitsPerPixel = colourspace == TJCS_GRAY ? 8 : 24;
    return result;
}
