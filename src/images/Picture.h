#pragma once

#include <QImage>
#include <QString>

class QPainter;
class QPoint;

// One picture on its way to the printer: the few operations the downloader and the viewer use
// (type from extension, load with a type, validity, bits per pixel, dither with a method number,
// reduce to one bit, width, height, draw at a point, save as PCX). Every format QImage reads,
// plus PCX through our own codec.
class Picture {
public:
    // Type numbers; 0 when the extension names no picture format.
    enum Type : int {
        kUnknown = 0,
        kBmp = 1,
        kGif = 2,
        kJpeg = 3,
        kPng = 4,
        kIco = 5,
        kTiff = 6,
        kTga = 7,
        kPcx = 8,
        kWbmp = 9,
        kWebp = 10,
        kPnm = 11,
        kXbm = 12,
        kXpm = 13,
        kIcns = 14,
    };

    // The part of the file name after its last ".", lower-cased; empty without a dot.
    static QString Extension(const QString& path);
    // The type for a lower-cased extension, found by its first letters ("jpg", "jpe", "jfi"
    // are JPEG, "tif" is TIFF, and so on).
    static int TypeFromExtension(const QString& extension);

    // Reads the file with the reader of `type`; when its content is of another format after all
    // (a PNG named .jpg), with the reader that fits it. False when nothing can read it.
    bool Load(const QString& path, int type);
    bool IsValid() const { return !image_.isNull(); }
    // As loaded (1 for a black-and-white file), then 1 after dithering or reduction.
    int BitsPerPixel() const { return IsValid() ? bitsPerPixel_ : 0; }
    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }

    // Dithers to black and white with a method number (0, 1, 7, 8); false for another number.
    bool Dither(int method);
    // Reduces to black and white without any diffusion: white from mid-grey up.
    void ReduceToOneBit();
    void Draw(QPainter& painter, const QPoint& at) const;
    // Writes a black-and-white PCX file; false when it cannot be written.
    bool SavePcx(const QString& path) const;
    void Release();

    const QImage& Image() const { return image_; }

private:
    static int BitsOf(const QImage& image);

    QImage image_;
    int bitsPerPixel_ = 0;
};
