#include "images/Dithering.h"

#include <QList>
#include <algorithm>
#include <cstring>

namespace {

constexpr int kMidGrey = 128;
constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kWhite = 0xffffffff;

int Luma(QRgb pixel) {
    return (77 * qRed(pixel) + 150 * qGreen(pixel) + 29 * qBlue(pixel) + 128) >> 8;
}

// Alpha 255 keeps the luma, alpha 0 gives white.
std::uint8_t GreyOverWhite(QRgb pixel) {
    const int alpha = qAlpha(pixel);
    if (alpha == 255) {
        return static_cast<std::uint8_t>(Luma(pixel));
    }
    return static_cast<std::uint8_t>((Luma(pixel) * alpha + 255 * (255 - alpha) + 127) / 255);
}

// The grey level of each colour of a palette picture. Colours the table lacks are what Qt's
// own conversion makes of them: a one-bit picture's are black then white, an 8-bit picture's
// transparent (so white), and without any table an 8-bit picture is grey.
template <std::size_t count>
std::array<std::uint8_t, count> PaletteLevels(const QImage& picture) {
    const QList<QRgb> colours = picture.colorTable();
    std::array<std::uint8_t, count> levels{};
    for (std::size_t i = 0; i < count; ++i) {
        if constexpr (count == 2) {
            levels[i] = i == 0 ? 0 : 255;
        } else {
            levels[i] = colours.isEmpty() ? static_cast<std::uint8_t>(i) : 255;
        }
    }
    for (std::size_t i = 0; i < count && i < static_cast<std::size_t>(colours.size()); ++i) {
        levels[i] = GreyOverWhite(colours[static_cast<qsizetype>(i)]);
    }
    return levels;
}

void SetWhite(uchar* line, int x) {
    line[x >> 3] |= static_cast<uchar>(0x80 >> (x & 7));
}

}  // namespace

const std::array<std::uint8_t, 16> Dithering::kBayer4Ranks = {
    0,  8,  2,  10,  //
    12, 4,  14, 6,   //
    3,  11, 1,  9,   //
    15, 7,  13, 5,
};

const std::array<std::uint8_t, 64> Dithering::kBayer8Ranks = {
    0,  32, 8,  40, 2,  34, 10, 42,  //
    48, 16, 56, 24, 50, 18, 58, 26,  //
    12, 44, 4,  36, 14, 46, 6,  38,  //
    60, 28, 52, 20, 62, 30, 54, 22,  //
    3,  35, 11, 43, 1,  33, 9,  41,  //
    51, 19, 59, 27, 49, 17, 57, 25,  //
    15, 47, 7,  39, 13, 45, 5,  37,  //
    63, 31, 55, 23, 61, 29, 53, 21,
};

const std::array<std::uint8_t, 16> Dithering::kClusteredRanks = {
    3,  10, 9,  2,  //
    11, 15, 14, 8,  //
    4,  12, 13, 7,  //
    0,  5,  6,  1,
};

bool Dithering::IsKnownMethod(DitherMethod method) {
    return method == DitherMethod::ErrorDiffusion || method == DitherMethod::OrderedClustered ||
           method == DitherMethod::Bayer4 || method == DitherMethod::Bayer8;
}

QImage Dithering::Apply(const QImage& picture, DitherMethod method) {
    switch (method) {
        case DitherMethod::ErrorDiffusion:
            return ErrorDiffusion(picture);
        case DitherMethod::OrderedClustered:
            return Ordered(picture, kClusteredRanks, 4);
        case DitherMethod::Bayer4:
            return Ordered(picture, kBayer4Ranks, 4);
        case DitherMethod::Bayer8:
            return Ordered(picture, kBayer8Ranks, 8);
        case DitherMethod::None:
            break;
    }
    return {};
}

std::vector<std::uint8_t> Dithering::GreyLevels(const QImage& picture) {
    const int width = picture.width();
    const int height = picture.height();
    std::vector<std::uint8_t> grey(static_cast<std::size_t>(width) *
                                   static_cast<std::size_t>(height));
    if (grey.empty()) {
        return grey;
    }
    std::uint8_t* out = grey.data();
    // Palette and grey pictures are read a byte (or bit) a pixel through their colours' grey
    // levels: converting them first would take four bytes a pixel.
    switch (picture.format()) {
        case QImage::Format_Mono:
        case QImage::Format_MonoLSB: {
            const std::array<std::uint8_t, 2> levels = PaletteLevels<2>(picture);
            const bool lsb = picture.format() == QImage::Format_MonoLSB;
            for (int y = 0; y < height; ++y) {
                const uchar* line = picture.constScanLine(y);
                for (int x = 0; x < width; ++x) {
                    const int shift = lsb ? (x & 7) : 7 - (x & 7);
                    *out++ = levels[(line[x >> 3] >> shift) & 1];
                }
            }
            return grey;
        }
        case QImage::Format_Indexed8: {
            const std::array<std::uint8_t, 256> levels = PaletteLevels<256>(picture);
            for (int y = 0; y < height; ++y) {
                const uchar* line = picture.constScanLine(y);
                for (int x = 0; x < width; ++x) {
                    *out++ = levels[line[x]];
                }
            }
            return grey;
        }
        case QImage::Format_Grayscale8:
            for (int y = 0; y < height; ++y) {
                out = std::copy_n(picture.constScanLine(y), width, out);
            }
            return grey;
        default:
            break;
    }
    // The common photo formats are read in place; anything else goes through one conversion.
    const bool direct =
        picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32;
    const QImage source = direct ? picture : picture.convertToFormat(QImage::Format_ARGB32);
    if (source.isNull()) {
        return {};
    }
    const bool opaque = source.format() == QImage::Format_RGB32;
    for (int y = 0; y < height; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        if (opaque) {
            for (int x = 0; x < width; ++x) {
                *out++ = static_cast<std::uint8_t>(Luma(line[x]));
            }
        } else {
            for (int x = 0; x < width; ++x) {
                *out++ = GreyOverWhite(line[x]);
            }
        }
    }
    return grey;
}

QImage Dithering::BlackAndWhite(int width, int height) {
    QImage result(width, height, QImage::Format_Mono);
    if (result.isNull()) {
        return result;
    }
    result.setColorTable({kBlack, kWhite});
    result.fill(0);
    return result;
}

bool Dithering::IsBlackAndWhite(const QImage& picture) {
    return picture.format() == QImage::Format_Mono && picture.colorCount() == 2 &&
           picture.color(0) == kBlack && picture.color(1) == kWhite;
}

QImage Dithering::Threshold(const QImage& picture) {
    const std::vector<std::uint8_t> grey = GreyLevels(picture);
    QImage result = BlackAndWhite(picture.width(), picture.height());
    if (result.isNull() || grey.empty()) {
        return {};
    }
    const int width = picture.width();
    for (int y = 0; y < picture.height(); ++y) {
        const std::uint8_t* in = grey.data() + static_cast<std::size_t>(y) * width;
        uchar* line = result.scanLine(y);
        for (int x = 0; x < width; ++x) {
            if (in[x] >= kMidGrey) {
                SetWhite(line, x);
            }
        }
    }
    return result;
}

QImage Dithering::ErrorDiffusion(const QImage& picture) {
    const std::vector<std::uint8_t> grey = GreyLevels(picture);
    QImage result = BlackAndWhite(picture.width(), picture.height());
    if (result.isNull() || grey.empty()) {
        return {};
    }
    const int width = picture.width();
    // Errors carried to this row and the next, with a spare cell on either side so the edges
    // need no test; what falls off the picture is dropped.
    std::vector<int> thisRow(static_cast<std::size_t>(width) + 2, 0);
    std::vector<int> nextRow(static_cast<std::size_t>(width) + 2, 0);
    for (int y = 0; y < picture.height(); ++y) {
        const std::uint8_t* in = grey.data() + static_cast<std::size_t>(y) * width;
        uchar* line = result.scanLine(y);
        int* carried = thisRow.data() + 1;
        int* below = nextRow.data() + 1;
        for (int x = 0; x < width; ++x) {
            const int value = in[x] + carried[x];
            const bool white = value >= kMidGrey;
            if (white) {
                SetWhite(line, x);
            }
            // Integer shares that add up to the whole error, so none of it is lost on the way.
            const int error = value - (white ? 255 : 0);
            const int right = error * 7 / 16;
            const int belowLeft = error * 3 / 16;
            const int straightBelow = error * 5 / 16;
            carried[x + 1] += right;
            below[x - 1] += belowLeft;
            below[x] += straightBelow;
            below[x + 1] += error - right - belowLeft - straightBelow;
        }
        std::swap(thisRow, nextRow);
        std::fill(nextRow.begin(), nextRow.end(), 0);
    }
    return result;
}

QImage Dithering::Ordered(const QImage& picture, std::span<const std::uint8_t> ranks, int n) {
    const std::vector<std::uint8_t> grey = GreyLevels(picture);
    QImage result = BlackAndWhite(picture.width(), picture.height());
    if (result.isNull() || grey.empty() || n <= 0 || ranks.size() != std::size_t(n) * n) {
        return {};
    }
    // White when grey / 256 > (rank + 1/2) / (n * n), in whole numbers: the levels are spread
    // evenly, so a flat 50% grey turns exactly half of every cell white.
    const int cells = n * n;
    std::vector<int> thresholds(ranks.size());
    for (std::size_t i = 0; i < ranks.size(); ++i) {
        thresholds[i] = (2 * ranks[i] + 1) * 128;
    }
    const int width = picture.width();
    for (int y = 0; y < picture.height(); ++y) {
        const std::uint8_t* in = grey.data() + static_cast<std::size_t>(y) * width;
        const int* row = thresholds.data() + (y % n) * n;
        uchar* line = result.scanLine(y);
        for (int x = 0; x < width; ++x) {
            if (in[x] * cells > row[x % n]) {
                SetWhite(line, x);
            }
        }
    }
    return result;
}
