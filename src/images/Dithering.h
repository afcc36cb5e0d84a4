#pragma once

#include <QImage>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "images/DitherMethod.h"

// Reduction of a picture to black and white. Every result is a Format_Mono image whose colour 0
// is black and colour 1 is white; transparent pixels count as white.
class Dithering {
public:
    // Threshold ranks of the ordered methods: a pixel turns white once its grey level passes
    // its rank's share of the range, lowest rank first.
    static const std::array<std::uint8_t, 16> kBayer4Ranks;
    static const std::array<std::uint8_t, 64> kBayer8Ranks;
    // Black grows from the centre of each 4x4 cell outwards, so light greys print as round dots
    // instead of Bayer's even cross-hatch.
    static const std::array<std::uint8_t, 16> kClusteredRanks;

    // Whether `method` dithers (None and values outside the enum do not).
    static bool IsKnownMethod(DitherMethod method);
    // The picture dithered with `method`; a null image for None or an unknown method.
    static QImage Apply(const QImage& picture, DitherMethod method);

    // Grey level 0..255 of every pixel, row after row, with partial transparency blended over
    // white. Luma weights 0.299, 0.587, 0.114 in 8-bit fixed point (a grey stays the same grey).
    static std::vector<std::uint8_t> GreyLevels(const QImage& picture);
    // The same grey levels as a Format_Grayscale8 picture, which every method dithers from; a
    // grey picture is given back as it is (no copy). Null when it cannot be made.
    static QImage Grey(const QImage& picture);

    // The plain reduction: white from grey level 128 up.
    static QImage Threshold(const QImage& picture);
    // Floyd-Steinberg error diffusion, left to right on every row, threshold 128.
    static QImage ErrorDiffusion(const QImage& picture);
    // Ordered dithering with an n x n rank matrix (n*n entries, row after row) anchored at the
    // picture's top-left corner.
    static QImage Ordered(const QImage& picture, std::span<const std::uint8_t> ranks, int n);

    // An empty black-and-white picture in the form every method returns.
    static QImage BlackAndWhite(int width, int height);
    // Whether `picture` already is in that form (Format_Mono, colour 0 black, 1 white).
    static bool IsBlackAndWhite(const QImage& picture);
};
