#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QSize>

// The PCX format, which Qt has no codec for.
//
// Reading: run-length-encoded (or plain) files of 1 bit in 1 to 4 planes, 2 or 4 bits in one
// plane (palette in the header), 8 bits in one plane (the 256-colour palette at the end, or
// grey without one), and 8 bits in 3 or 4 planes (RGB, RGBA).
//
// Writing: black and white only, one plane of 1 bit per pixel, run-length encoded, an even byte
// count per line, header palette black then white, and a set bit for white, which is how
// independent decoders read such files. Bits beyond the picture's right edge are white, so a
// printer that prints whole lines leaves no dark margin.
class PcxCodec {
public:
    static constexpr int kHeaderSize = 128;
    static constexpr int kDotsPerInch = 203;  // 8 dots per millimetre: one pixel, one dot

    // True when the bytes begin like a PCX file.
    static bool LooksLikePcx(QByteArrayView bytes);
    // The width and height the header declares; invalid when the bytes do not begin like a
    // PCX file. Only the header is needed.
    static QSize DeclaredSize(QByteArrayView bytes);
    // The picture, or a null image when the bytes are not a PCX file we can read in full, or
    // declare more than Picture::kMostPixels (refused before anything is allocated). One bit in
    // one plane becomes a Format_Mono image, other palettes Format_Indexed8: only 24 and 32
    // bits take four bytes a pixel. `bitsPerPixel` receives the file's bits per pixel (bits
    // times planes).
    static QImage Read(QByteArrayView bytes, int* bitsPerPixel = nullptr);
    // The picture as a black-and-white PCX file. Anything but Dithering's black-and-white form
    // is first reduced to it by plain threshold. Empty for a null picture.
    static QByteArray Write(const QImage& picture);
};
