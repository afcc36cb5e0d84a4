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

// One row of grey levels to one-bit pixels, eight to a byte, first pixel in the top bit: white
// where the level is above the threshold of its place in `thresholds` (repeated every eight
// pixels). The bits past the row's end stay black.
void PackRow(const std::uint8_t* grey, int width, const std::array<std::uint8_t, 8>& thresholds,
             uchar* line) {
    const int whole = width / 8;
    for (int i = 0; i < whole; ++i) {
        const std::uint8_t* in = grey + 8 * i;
        unsigned bits = 0;
        for (int b = 0; b < 8; ++b) {
            bits = bits << 1 | (in[b] > thresholds[static_cast<std::size_t>(b)] ? 1u : 0u);
        }
        line[i] = static_cast<uchar>(bits);
    }
    const int rest = width - 8 * whole;
    if (rest > 0) {
        unsigned bits = 0;
        for (int b = 0; b < rest; ++b) {
            bits |=
                (grey[8 * whole + b] > thresholds[static_cast<std::size_t>(b)] ? 0x80u : 0u) >> b;
        }
        line[whole] = static_cast<uchar>(bits);
    }
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
    const QImage grey = Grey(picture);
    std::vector<std::uint8_t> levels;
    levels.reserve(static_cast<std::size_t>(grey.width()) *
                   static_cast<std::size_t>(grey.height()));
    for (int y = 0; y < grey.height(); ++y) {
        levels.insert(levels.end(), grey.constScanLine(y), grey.constScanLine(y) + grey.width());
    }
    return levels;
}

QImage Dithering::Grey(const QImage& picture) {
    if (picture.format() == QImage::Format_Grayscale8 || picture.isNull()) {
        return picture;
    }
    const int width = picture.width();
    const int height = picture.height();
    QImage grey(width, height, QImage::Format_Grayscale8);
    if (grey.isNull()) {
        return grey;
    }
    // Palette pictures are read a byte (or bit) a pixel through their colours' grey levels:
    // converting them first would take four bytes a pixel.
    switch (picture.format()) {
        case QImage::Format_Mono:
        case QImage::Format_MonoLSB: {
            const std::array<std::uint8_t, 2> levels = PaletteLevels<2>(picture);
            const bool lsb = picture.format() == QImage::Format_MonoLSB;
            for (int y = 0; y < height; ++y) {
                const uchar* line = picture.constScanLine(y);
                uchar* out = grey.scanLine(y);
                for (int x = 0; x < width; ++x) {
                    const int shift = lsb ? (x & 7) : 7 - (x & 7);
                    out[x] = levels[(line[x >> 3] >> shift) & 1];
                }
            }
            return grey;
        }
        case QImage::Format_Indexed8: {
            const std::array<std::uint8_t, 256> levels = PaletteLevels<256>(picture);
            for (int y = 0; y < height; ++y) {
                const uchar* line = picture.constScanLine(y);
                uchar* out = grey.scanLine(y);
                for (int x = 0; x < width; ++x) {
                    out[x] = levels[line[x]];
                }
            }
            return grey;
        }
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
        uchar* out = grey.scanLine(y);
        if (opaque) {
            for (int x = 0; x < width; ++x) {
                out[x] = static_cast<std::uint8_t>(Luma(line[x]));
            }
        } else {
            for (int x = 0; x < width; ++x) {
                out[x] = GreyOverWhite(line[x]);
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
    // White from mid grey up: the ordered dither with one threshold everywhere.
    static constexpr std::array<std::uint8_t, 8> kMidGreyRow = {
        kMidGrey - 1, kMidGrey - 1, kMidGrey - 1, kMidGrey - 1,
        kMidGrey - 1, kMidGrey - 1, kMidGrey - 1, kMidGrey - 1};
    const QImage grey = Grey(picture);
    QImage result = BlackAndWhite(picture.width(), picture.height());
    if (result.isNull() || grey.isNull()) {
        return {};
    }
    for (int y = 0; y < grey.height(); ++y) {
        PackRow(grey.constScanLine(y), grey.width(), kMidGreyRow, result.scanLine(y));
    }
    return result;
}

QImage Dithering::ErrorDiffusion(const QImage& picture) {
    const QImage grey = Grey(picture);
    QImage result = BlackAndWhite(picture.width(), picture.height());
    if (result.isNull() || grey.isNull()) {
        return {};
    }
    const int width = grey.width();
    // Errors carried to this row and the next, with a spare cell on either side so the edges
    // need no test; what falls off the picture is dropped. The next row is written as the
    // current one goes, so neither is ever cleared whole.
    std::vector<int> thisRow(static_cast<std::size_t>(width) + 2, 0);
    std::vector<int> nextRow(static_cast<std::size_t>(width) + 2, 0);
    for (int y = 0; y < grey.height(); ++y) {
        const std::uint8_t* in = grey.constScanLine(y);
        uchar* line = result.scanLine(y);
        const int* carried = thisRow.data() + 1;
        int* below = nextRow.data() + 1;
        below[-1] = 0;
        below[0] = 0;
        int right = 0;  // the error carried to the next pixel of this row
        uchar bits = 0;
        for (int x = 0; x < width; ++x) {
            const int value = in[x] + carried[x] + right;
            const bool white = value >= kMidGrey;
            bits = static_cast<uchar>(bits << 1 | (white ? 1 : 0));
            if ((x & 7) == 7) {
                line[x >> 3] = bits;
            }
            // Integer shares that add up to the whole error, so none of it is lost on the way.
            const int error = value - (white ? 255 : 0);
            right = error * 7 / 16;
            const int belowLeft = error * 3 / 16;
            const int straightBelow = error * 5 / 16;
            below[x - 1] += belowLeft;
            below[x] += straightBelow;
            below[x + 1] = error - right - belowLeft - straightBelow;
        }
        if ((width & 7) != 0) {
            line[width >> 3] = static_cast<uchar>(bits << (8 - (width & 7)));
        }
        std::swap(thisRow, nextRow);
    }
    return result;
}

QImage Dithering::Ordered(const QImage& picture, std::span<const std::uint8_t> ranks, int n) {
    const QImage grey = Grey(picture);
    QImage result = BlackAndWhite(picture.width(), picture.height());
    // The matrix must tile a byte of eight pixels: 1, 2, 4 or 8 wide.
    if (result.isNull() || grey.isNull() || n <= 0 || 8 % n != 0 ||
        ranks.size() != std::size_t(n) * n) {
        return {};
    }
    // White when grey / 256 > (rank + 1/2) / (n * n), in whole numbers: the levels are spread
    // evenly, so a flat 50% grey turns exactly half of every cell white. As a grey level:
    // white above (2 * rank + 1) * 128 / (n * n), rounded down.
    const int cells = n * n;
    for (int y = 0; y < grey.height(); ++y) {
        std::array<std::uint8_t, 8> row{};
        for (int x = 0; x < 8; ++x) {
            const int rank = ranks[static_cast<std::size_t>((y % n) * n + x % n)];
            row[static_cast<std::size_t>(x)] =
                static_cast<std::uint8_t>(std::min((2 * rank + 1) * 128 / cells, 255));
        }
        PackRow(grey.constScanLine(y), grey.width(), row, result.scanLine(y));
    }
    return result;
}
