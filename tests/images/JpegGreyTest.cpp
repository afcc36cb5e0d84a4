// JPEG photos decoded straight to grey: the grey levels stay those of the general decoder
// (Qt's reader, then the luma of its colours) within one level, EXIF orientations turn the
// picture upright as Qt's reader does, and what this decoder cannot take is left to Qt's.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>

#include "images/Dithering.h"
#include "images/ImageTestFiles.h"
#include "images/JpegGrey.h"
#include "images/Picture.h"
#include "support/Widgets.h"

namespace {

using namespace images_test;

QByteArray Jpeg(const QImage& picture, int quality = 90) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    EXPECT_TRUE(writer.write(picture));
    return bytes;
}

// An EXIF block with one orientation entry, big- or little-endian, as an APP1 segment put right
// after the start of the image.
QByteArray WithOrientation(QByteArray jpeg, int orientation, bool bigEndian) {
    QByteArray tiff =
        bigEndian ? QByteArray("MM\0\x2a\0\0\0\x08", 8) : QByteArray("II\x2a\0\x08\0\0\0", 8);
    const auto put16 = [&](int value) {
        const char high = static_cast<char>(value >> 8);
        const char low = static_cast<char>(value & 0xFF);
        tiff += bigEndian ? high : low;
        tiff += bigEndian ? low : high;
    };
    put16(1);                                      // one entry
    put16(0x0112);                                 // orientation
    put16(3);                                      // SHORT
    tiff += bigEndian ? QByteArray("\0\0\0\1", 4)  // count 1
                      : QByteArray("\1\0\0\0", 4);
    put16(orientation);
    tiff += QByteArray(2, '\0');  // the value's unused half
    tiff += QByteArray(4, '\0');  // no next directory
    const QByteArray exif = QByteArray("Exif\0\0", 6) + tiff;
    const int length = static_cast<int>(exif.size()) + 2;
    QByteArray segment("\xFF\xE1");
    segment += static_cast<char>(length >> 8);
    segment += static_cast<char>(length & 0xFF);
    segment += exif;
    return jpeg.insert(2, segment);
}

// Qt's reader with its own orientation handling, then our grey levels: the general path.
QImage GreyByQt(const QByteArray& jpeg) {
    QBuffer buffer;
    buffer.setData(jpeg);
    QImageReader reader(&buffer, "jpeg");
    reader.setAutoTransform(true);
    return Dithering::Grey(reader.read());
}

struct Difference {
    int largest = 0;
    int beyondOne = 0;           // pixels more than one level apart
    int beyondOneUnclipped = 0;  // of those, pixels whose colours `clipped` did not clip
};

// Grey levels `a` and `b` compared; `colour`, when given, is the colour picture that `b` was
// made from.
Difference Compare(const QImage& a, const QImage& b, const QImage& colour = {}) {
    Difference difference;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const int d = std::abs(a.constScanLine(y)[x] - b.constScanLine(y)[x]);
            difference.largest = std::max(difference.largest, d);
            if (d <= 1) {
                continue;
            }
            ++difference.beyondOne;
            const QRgb pixel = colour.isNull() ? 0 : colour.pixel(x, y);
            const bool clipped =
                !colour.isNull() &&
                (qRed(pixel) % 255 == 0 || qGreen(pixel) % 255 == 0 || qBlue(pixel) % 255 == 0);
            difference.beyondOneUnclipped += clipped ? 0 : 1;
        }
    }
    return difference;
}

// A photo in small: soft gradients, a face-like disc, fine texture, and no colour at the edge
// of the gamut, where a colour decoder clips.
QImage PhotoLike(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, QColor(90, 140, 200));
    sky.setColorAt(1, QColor(200, 180, 150));
    painter.fillRect(picture.rect(), sky);
    painter.setBrush(QColor(210, 160, 130));
    painter.setPen(QPen(QColor(60, 40, 30), 3));
    painter.drawEllipse(QPoint(width / 3, height / 2), width / 6, height / 4);
    for (int x = 0; x < width; x += 3) {
        painter.setPen(QColor(100 + x % 50, 120, 90 + x % 70));
        painter.drawLine(x, height * 3 / 4, x + 2, height);
    }
    return picture;
}

// The file holds each pixel's luminance; a colour decoder rebuilds red, green and blue from it and
// the shared colour of its neighbours, and clips what falls outside 0..255. Its luma then
// differs from the luminance only by rounding, except where it clipped: saturated colours at
// sharp edges, which photos rarely have.
TEST(JpegGrey, GreyLevelsStayThoseOfTheColourDecoderWithinOneLevelWhereItDidNotClip) {
    const struct Case {
        const char* what;
        QImage picture;
        bool clips;  // whether the colour decoder clips some pixels
    } cases[] = {
        {"photo-like", PhotoLike(400, 300), false},
        {"grey ramp", Flat(256, 8, 0).convertToFormat(QImage::Format_RGB32), false},
        {"saturated colours with sharp edges", ColourScene(320, 200), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QByteArray jpeg = Jpeg(c.picture);
        const JpegGrey::Result decoded = JpegGrey::Decode(jpeg, Picture::kMostPixels);
        ASSERT_FALSE(decoded.image.isNull());
        EXPECT_EQ(decoded.image.format(), QImage::Format_Grayscale8);
        EXPECT_EQ(decoded.bitsPerPixel, 24);
        const QImage colour = QImage::fromData(jpeg, "jpeg");
        const Difference difference = Compare(decoded.image, Dithering::Grey(colour), colour);
        EXPECT_EQ(difference.beyondOneUnclipped, 0);
        if (!c.clips) {
            EXPECT_LE(difference.largest, 1);
        }
    }
}

TEST(JpegGrey, EveryExifOrientationGivesTheUprightPictureQtsReaderGives) {
    // Not square, with one dark corner: every turn and mirror shows.
    QImage picture(48, 32, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter(&picture).fillRect(0, 0, 12, 8, Qt::black);
    const QByteArray plain = Jpeg(picture, 95);
    for (const bool bigEndian : {true, false}) {
        for (int orientation = 1; orientation <= 8; ++orientation) {
            SCOPED_TRACE(testing::Message()
                         << "orientation " << orientation << (bigEndian ? " MM" : " II"));
            const QByteArray jpeg = WithOrientation(plain, orientation, bigEndian);
            EXPECT_EQ(JpegGrey::Orientation(jpeg), orientation);
            const QImage upright = JpegGrey::Decode(jpeg, Picture::kMostPixels).image;
            const QImage expected = GreyByQt(jpeg);
            ASSERT_EQ(upright.size(), expected.size());
            EXPECT_EQ(upright.size(), orientation >= 5 ? QSize(32, 48) : QSize(48, 32));
            EXPECT_LE(Compare(upright, expected).largest, 1);
        }
    }
}

TEST(JpegGrey, AnOrientationThatCannotBeReadIsTakenAsUpright) {
    const QByteArray plain = Jpeg(Flat(8, 8, 100));
    QByteArray cut = WithOrientation(plain, 6, true);
    cut.truncate(20);  // the APP1 segment says it is longer than the file
    QByteArray wrongValue = WithOrientation(plain, 9, false);
    QByteArray badOffset = WithOrientation(plain, 6, true);
    badOffset[4 + 2 + 6 + 7] = '\x7f';  // the first directory lies past the block's end
    const struct {
        const char* what;
        QByteArray jpeg;
    } cases[] = {
        {"no EXIF", plain},
        {"cut short", cut},
        {"orientation 9", wrongValue},
        {"directory outside the block", badOffset},
        {"not a JPEG", QByteArray("\x89PNG\r\n\x1a\n")},
        {"empty", QByteArray()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(JpegGrey::Orientation(c.jpeg), 1) << c.what;
    }
}

TEST(JpegGrey, AHugeDeclaredPictureIsRefusedAndADamagedFileIsLeftToQt) {
    QByteArray jpeg = Jpeg(Flat(16, 16, 90));
    const qsizetype frame = jpeg.indexOf("\xFF\xC0");
    ASSERT_GE(frame, 0);
    // Height and width of the frame header: 60000 x 60000, within what JPEG can hold.
    jpeg.replace(frame + 5, 4, QByteArray("\xEA\x60\xEA\x60", 4));
    const JpegGrey::Result huge = JpegGrey::Decode(jpeg, Picture::kMostPixels);
    EXPECT_TRUE(huge.tooLarge);
    EXPECT_TRUE(huge.image.isNull());

    QTemporaryDir folder;
    const QString path = WriteFile(QDir(folder.path()), QStringLiteral("huge.jpg"), jpeg);
    Picture picture;
    EXPECT_FALSE(picture.Load(path, PictureType::Jpeg));
    EXPECT_TRUE(picture.TooLarge());

    EXPECT_TRUE(JpegGrey::Decode(QByteArray("not a jpeg"), Picture::kMostPixels).image.isNull());
    // A grey JPEG stays 8 bits a pixel, as the file holds it.
    const JpegGrey::Result grey = JpegGrey::Decode(
        Jpeg(Flat(16, 16, 90).convertToFormat(QImage::Format_Grayscale8)), Picture::kMostPixels);
    EXPECT_EQ(grey.bitsPerPixel, 8);
}

}  // namespace
