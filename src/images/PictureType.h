#pragma once

#include <cstdint>

// The format a picture file is read as, chosen by its extension.
enum class PictureType : std::int32_t {
    Unknown = 0,  // the extension names no picture format
    Bmp = 1,
    Gif = 2,
    Jpeg = 3,
    Png = 4,
    Ico = 5,
    Tiff = 6,
    Tga = 7,
    Pcx = 8,
    Wbmp = 9,
    Webp = 10,
    Pnm = 11,
    Xbm = 12,
    Xpm = 13,
    Icns = 14,
};
