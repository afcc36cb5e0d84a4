#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QString>

#include "images/DitherMethod.h"
#include "images/PictureType.h"

// One picture on its way to the printer: the few operations the downloader and the viewer use
// (type from extension, load with a type, validity, bits per pixel, dither with a method,
// reduce to one bit, width, height, save as PCX). Every format QImage reads, plus PCX through
// our own codec.
class Picture {
    Q_DECLARE_TR_FUNCTIONS(Picture)
public:
    // The most pixels a picture may have: 256 MiB at 4 bytes a pixel, the budget Qt gives its
    // own readers by default (QImageReader::allocationLimit); 8192 x 8192, say. A file that
    // declares more is refused before anything of its picture's size is allocated, as a small
    // run-length-encoded file can declare an enormous picture.
    static constexpr qint64 kMostPixels = 64LL * 1024 * 1024;
    // The warning for a file refused for that.
    static QString TooLargeText();

    // What ToBlackAndWhite did.
    enum class Step {
        Kept,      // it already was black and white
        Dithered,  // with the method asked for
        Reduced,   // by plain threshold
    };

    // The part of the file name after its last ".", lower-cased; empty without a dot.
    static QString Extension(const QString& path);
    // The type for a lower-cased extension, found by its first letters ("jpg", "jpe", "jfi"
    // are JPEG, "tif" is TIFF, and so on).
    static PictureType TypeFromExtension(const QString& extension);

    // Reads the file with the reader of `type`; when its content is of another format after all
    // (a PNG named .jpg), with the reader that fits it. False when nothing can read it, or
    // when the picture has more than kMostPixels.
    bool Load(const QString& path, PictureType type);
    // Whether the last Load refused the file for its picture's size.
    bool TooLarge() const { return tooLarge_; }
    bool IsValid() const { return !image_.isNull(); }
    // As loaded (1 for a black-and-white file), then 1 after dithering or reduction.
    int BitsPerPixel() const { return IsValid() ? bitsPerPixel_ : 0; }
    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }

    // Dithers to black and white with `method`; false for None and for a value
    // outside the enum.
    bool Dither(DitherMethod method);
    // Reduces to black and white without any diffusion: white from mid-grey up.
    void ReduceToOneBit();
    // The one way to the black and white that is sent, which the preview shows too: dithered
    // with `method` unless it is None, then whatever is not black and white yet reduced by
    // plain threshold. That includes a two-colour picture in other colours (black and grey),
    // so it is shown as it prints.
    Step ToBlackAndWhite(DitherMethod method);
    // Writes a black-and-white PCX file; false when it cannot be written.
    bool SavePcx(const QString& path) const;
    // Forgets the picture: no longer valid, no bits per pixel.
    void Clear();

    const QImage& Image() const { return image_; }

private:
    static int BitsOf(const QImage& image);

    QImage image_;
    int bitsPerPixel_ = 0;
    bool tooLarge_ = false;
};
