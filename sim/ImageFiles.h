#pragma once

#include <string>
#include <string_view>

#include "sim/ImageState.h"

namespace sim {

// The picture files of the image family, written for the simulator alone: a printer takes only
// one-bit, one-plane, run-length-encoded PCX files into its image memory.
class ImageFiles {
public:
    // Limits of the image memory.
    static constexpr int kLargestSide = 32767;
    static constexpr long kMostDots = 64L * 1024 * 1024;

    // Decodes a one-bit PCX file (a set bit is white, as the format has it; the header palette
    // is not consulted). False, with `why` said, for anything else.
    static bool DecodePcx(std::string_view file, StoredImage& image, std::string& why);
    // The picture as a black-and-white PNG file, for people to look at.
    static std::string EncodePng(const StoredImage& image);
    // A file name for a stored name: letters, digits, "-", "_" and "." kept, others "_".
    static std::string FileNameFor(const std::string& name);
};

}  // namespace sim
