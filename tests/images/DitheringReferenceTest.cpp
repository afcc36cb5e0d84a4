// The PCX files of a set of reference pictures, for every method, stay byte for byte what they
// were before the dithering learned to work a byte at a time: the fingerprints below were taken
// from that code. Widths that are no multiple of eight show the bits past a row's end.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QPainter>
#include <string>

#include "images/Dithering.h"
#include "images/ImageTestFiles.h"
#include "images/PcxCodec.h"

namespace {

using namespace images_test;

QImage Reference(int which) {
    switch (which) {
        case 0:
            return ColourScene(131, 37);
        case 1:
            return ColourScene(64, 48);
        case 2: {
            // Half transparent, over a palette of greys: the blending and the palette path.
            QImage picture(77, 29, QImage::Format_ARGB32);
            picture.fill(Qt::transparent);
            QPainter painter(&picture);
            QLinearGradient ramp(0, 0, 77, 0);
            ramp.setColorAt(0, QColor(0, 0, 0, 200));
            ramp.setColorAt(1, QColor(255, 255, 255, 90));
            painter.fillRect(picture.rect(), ramp);
            return picture;
        }
        default: {
            QImage greys(203, 11, QImage::Format_Indexed8);
            QList<QRgb> table;
            for (int i = 0; i < 256; ++i) {
                table << qRgb(i, i, i);
            }
            greys.setColorTable(table);
            for (int y = 0; y < greys.height(); ++y) {
                for (int x = 0; x < greys.width(); ++x) {
                    greys.scanLine(y)[x] = static_cast<uchar>((x * 5 + y * 17) % 256);
                }
            }
            return greys;
        }
    }
}

std::string Fingerprint(const QImage& picture, DitherMethod method) {
    const QImage black = method == DitherMethod::None ? Dithering::Threshold(picture)
                                                      : Dithering::Apply(picture, method);
    return QCryptographicHash::hash(PcxCodec::Write(black), QCryptographicHash::Sha256)
        .toHex()
        .left(16)
        .toStdString();
}

TEST(DitheringReference, EveryMethodWritesTheSamePcxAsBefore) {
    const DitherMethod methods[] = {DitherMethod::None, DitherMethod::ErrorDiffusion,
                                    DitherMethod::OrderedClustered, DitherMethod::Bayer4,
                                    DitherMethod::Bayer8};
    // By picture, then by method in the order above.
    const char* const expected[4][5] = {
        {"dc31d2d7bb5a9366", "91cc865523e58fc1", "4ad55ee6763a4563", "e8f87a3b77b47d62",
         "4a6f4d8b9a25c592"},
        {"4b6957ecc6331339", "d2198e5e0df3efef", "259f39597e5258a3", "c5b2b14f9e6545d0",
         "139fa2c7fd41cd16"},
        {"1a62dbf6cc2ff668", "da3b779db2d581b3", "e65ee76728a8a3af", "c547a88a3b253d82",
         "7327695117ed3251"},
        {"35d4cbd5c197395d", "3a5c43b008855158", "95e166baf58f6589", "bef6afc69be88d45",
         "b63c8d68f7659508"},
    };
    for (int picture = 0; picture < 4; ++picture) {
        for (int m = 0; m < 5; ++m) {
            EXPECT_EQ(Fingerprint(Reference(picture), methods[m]),
                      std::string(expected[picture][m]))
                << "picture " << picture << ", method " << m;
        }
    }
}

}  // namespace
