#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QString>

// JPEG files decoded straight to 8-bit grey (libjpeg-turbo): only the luminance is decoded, and
// the picture is never widened to 32-bit colour. The photo is turned upright by its EXIF
// orientation, as Qt's reader does with auto-transform.
class JpegGrey {
public:
    struct Result {
        QImage image;           // Format_Grayscale8, upright; null when not decoded here
        int bitsPerPixel = 0;   // as the file holds the picture: 24 for colour, 8 for grey
        bool tooLarge = false;  // the header declares more than `mostPixels` pixels
    };

    // Decodes `jpeg` (a whole JPEG file). A null image when it is not a JPEG this decoder
    // takes (CMYK, damaged): the caller then reads it the general way.
    static Result Decode(const QByteArray& jpeg, qint64 mostPixels);

    // The EXIF orientation (1..8) the file's APP1 segment gives, 1 when there is none or it
    // cannot be read.
    static int Orientation(QByteArrayView jpeg);
    // `image` turned as orientation 1..8 asks, the way Qt's readers do.
    static QImage Upright(const QImage& image, int orientation);
};
