#pragma once

#include <QImage>
#include <QString>

#include "images/DitherMethod.h"
#include "images/PictureType.h"

// One picture on its way to the printer: the few operations the downloader and the viewer use
// (type from extension, load with a type, validity, bits per pixel, dither with a method,
// reduce to one bit, width, height, save as PCX). Every format QImage reads, plus PCX through
// our own codec.
class Picture {
public:
    // The part of the file name after its last ".", lower-cased; empty without a dot.
    static QString Extension(const QString& path);
    // The type for a lower-cased extension, found by its first letters ("jpg", "jpe", "jfi"
    // are JPEG, "tif" is TIFF, and so on).
    static PictureType TypeFromExtension(const QString& extension);

    // Reads the file with the reader of `type`; when its content is of another format after all
    // (a PNG named .jpg), with the reader that fits it. False when nothing can read it.
    bool Load(const QString& path, PictureType type);
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
    // Writes a black-and-white PCX file; false when it cannot be written.
    bool SavePcx(const QString& path) const;
    // Forgets the picture: no longer valid, no bits per pixel.
    void Clear();

    const QImage& Image() const { return image_; }

private:
    static int BitsOf(const QImage& image);

    QImage image_;
    int bitsPerPixel_ = 0;
};
