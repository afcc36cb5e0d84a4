#pragma once

#include <array>
#include <cstdint>

// How a picture becomes black and white. Each method keeps its fixed number (-1, 0, 1, 7, 8).
enum class DitherMethod : std::int32_t {
    None = -1,  // no dithering: the plain reduction, white from mid-grey up
    ErrorDiffusion = 0,
    OrderedClustered = 1,
    Bayer4 = 7,
    Bayer8 = 8,
};

// Every method, in the order the Image Viewer lists them.
inline constexpr std::array<DitherMethod, 5> kDitherMethods = {
    DitherMethod::None, DitherMethod::ErrorDiffusion, DitherMethod::OrderedClustered,
    DitherMethod::Bayer4, DitherMethod::Bayer8};
