// Our PCX writer and reader: exact bytes, round trips, and what decoders no one here wrote make
// of our files (and we of theirs).
#include <gtest/gtest.h>

#include <QRandomGenerator>

#include "images/Dithering.h"
#include "images/ImageTestFiles.h"
#include "images/PcxCodec.h"
#include "support/QtPrinters.h"

namespace {

using namespace images_test;

int Word(const QByteArray& bytes, int at) {
    return static_cast<uchar>(bytes[at]) | (static_cast<uchar>(bytes[at + 1]) << 8);
}

QByteArray Hex(const char* text) {
    return QByteArray::fromHex(text);
}

// Black-and-white pictures that exercise the encoder: noise (short runs), long runs across
// more than 63 bytes, single bytes at and above 0xC0, and stripes.
QImage TestPicture(int width, int height, int kind) {
    QImage picture = Dithering::BlackAndWhite(width, height);
    QRandomGenerator random(static_cast<quint32>(width * 31 + kind));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bool white = false;
            switch (kind) {
                case 0:
                    white = random.bounded(2) == 1;
                    break;
                case 1:
                    white = (x < width / 2) == (y % 3 == 0);
                    break;
                default:
                    white = (x / 6 + y) % 2 == 0;
                    break;
            }
            picture.setPixel(x, y, white ? 1 : 0);
        }
    }
    return picture;
}

TEST(PcxCodec, WritesTheHeaderOfAOneBitFile) {
    const QByteArray file =
        PcxCodec::Write(FromRows(Rows({"##########", "..........", "#.#.#.#.#."})));
    ASSERT_GE(file.size(), PcxCodec::kHeaderSize);
    EXPECT_EQ(file.left(4), Hex("0a050101"));  // PCX, version 5, encoded, 1 bit
    EXPECT_EQ(file.mid(4, 8), Hex("0000"
                                  "0000"
                                  "0900"
                                  "0200"));  // 0,0 to 9,2
    EXPECT_EQ(Word(file, 12), 203);
    EXPECT_EQ(Word(file, 14), 203);
    EXPECT_EQ(file.mid(16, 6), Hex("000000ffffff"));  // colour 0 black, colour 1 white
    EXPECT_EQ(file.mid(22, 42), QByteArray(42, '\0'));
    EXPECT_EQ(file[65], 1);        // one plane
    EXPECT_EQ(Word(file, 66), 2);  // 10 bits in an even 2 bytes
    EXPECT_EQ(Word(file, 68), 1);
    EXPECT_EQ(file.mid(70, 58), QByteArray(58, '\0'));
    // Bits past the right edge are white.
    EXPECT_EQ(file.mid(128), Hex("003f"
                                 "c2ff"
                                 "557f"));
}

struct RunCase {
    const char* name;
    QStringList rows;
    QByteArray data;  // encoded lines
};

TEST(PcxCodec, EncodesEveryLineInRunsOfAtMost63) {
    const RunCase cases[] = {
        {"white line of 80 bytes",
         {QString(640, QLatin1Char('.'))},
         Hex("ffff"
             "d1ff")},
        {"black 8 then white",
         {QStringLiteral("########") + QString(8, QLatin1Char('.'))},
         Hex("00c1ff")},
        {"0xC0 alone", Rows({"..######........"}), Hex("c1c0c1ff")},
        {"runs stop at the line end",
         {QString(16, QLatin1Char('#')), QString(16, QLatin1Char('#'))},
         Hex("c200"
             "c200")},
    };
    for (const RunCase& c : cases) {
        EXPECT_EQ(PcxCodec::Write(FromRows(c.rows)).mid(PcxCodec::kHeaderSize), c.data) << c.name;
    }
}

TEST(PcxCodec, RoundTripsEveryWidthAndRunLength) {
    for (const int width : {1, 7, 8, 9, 15, 16, 17, 63, 64, 65, 200, 521, 1000}) {
        for (const int kind : {0, 1, 2}) {
            const QImage picture = TestPicture(width, 7, kind);
            const QByteArray file = PcxCodec::Write(picture);
            EXPECT_EQ(Word(file, 66) % 2, 0) << width;
            int bits = 0;
            const QImage back = PcxCodec::Read(file, &bits);
            ASSERT_FALSE(back.isNull()) << width << "/" << kind;
            EXPECT_EQ(bits, 1);
            EXPECT_EQ(ToRows(back), ToRows(picture)) << width << "/" << kind;
        }
    }
}

// Pillow and netpbm read our files as the very pixels we wrote: palette, polarity, padding and
// runs included.
TEST(PcxCodec, IndependentDecodersReadOurFilesAlike) {
    const QImage dithered = Dithering::Apply(ColourScene(131, 37), DitherMethod::ErrorDiffusion);
    const QImage pictures[] = {TestPicture(1, 3, 0), TestPicture(17, 9, 0), TestPicture(521, 5, 1),
                               TestPicture(100, 4, 2), dithered};
    for (const QImage& picture : pictures) {
        const QByteArray file = PcxCodec::Write(picture);
        QString error;
        const QImage pillow = DecodeWithPillow(file, error);
        ASSERT_FALSE(pillow.isNull()) << error.toStdString();
        EXPECT_EQ(ToRows(pillow), ToRows(picture)) << "Pillow, width " << picture.width();
        const QImage netpbm = DecodeWithPcxToPpm(file, error);
        ASSERT_FALSE(netpbm.isNull()) << error.toStdString();
        EXPECT_EQ(ToRows(netpbm), ToRows(picture)) << "pcxtoppm, width " << picture.width();
    }
}

// Files Pillow writes, in each of its modes, read as Pillow reads them.
TEST(PcxCodec, ReadsFilesOfOtherWriters) {
    const QImage scene = ColourScene(45, 21);
    const std::pair<const char*, int> modes[] = {{"1", 1}, {"L", 8}, {"P", 8}, {"RGB", 24}};
    for (const auto& [mode, expectedBits] : modes) {
        QString error;
        const QByteArray file = EncodeWithPillow(scene, QLatin1String(mode), error);
        ASSERT_FALSE(file.isEmpty()) << error.toStdString();
        const QImage reference = DecodeWithPillow(file, error);
        ASSERT_FALSE(reference.isNull()) << error.toStdString();
        int bits = 0;
        const QImage ours = PcxCodec::Read(file, &bits);
        ASSERT_FALSE(ours.isNull()) << mode;
        EXPECT_EQ(bits, expectedBits) << mode;
        ASSERT_EQ(ours.size(), reference.size()) << mode;
        int differing = 0;
        for (int y = 0; y < ours.height(); ++y) {
            for (int x = 0; x < ours.width(); ++x) {
                differing += ours.pixel(x, y) != reference.pixel(x, y);
            }
        }
        EXPECT_EQ(differing, 0) << mode;
    }
}

TEST(PcxCodec, ReadsSixteenColoursInFourPlanes) {
    QByteArray file(PcxCodec::kHeaderSize, '\0');
    file[0] = 0x0A;
    file[1] = 5;
    file[2] = 1;
    file[3] = 1;
    file[8] = 3;  // four pixels wide, one high
    for (int i = 0; i < 16; ++i) {
        file[16 + 3 * i] = static_cast<char>(i * 16);
        file[17 + 3 * i] = static_cast<char>(255 - i);
        file[18 + 3 * i] = static_cast<char>(i);
    }
    file[65] = 4;
    file[66] = 2;
    // Colours 0, 5, 10, 15: each plane holds one bit of every pixel's colour number.
    file +=
        Hex("5000"
            "3000"
            "5000"
            "3000");
    int bits = 0;
    const QImage picture = PcxCodec::Read(file, &bits);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(bits, 4);
    for (const auto& [x, index] : {std::pair{0, 0}, {1, 5}, {2, 10}, {3, 15}}) {
        EXPECT_EQ(picture.pixel(x, 0), qRgb(index * 16, 255 - index, index)) << x;
    }
}

TEST(PcxCodec, RefusesWhatIsNoPcxOrIsCut) {
    const QByteArray good = PcxCodec::Write(TestPicture(40, 30, 0));
    QByteArray hugeSize = PcxCodec::Write(TestPicture(8, 1, 2));
    hugeSize[8] = hugeSize[9] = hugeSize[10] = hugeSize[11] = static_cast<char>(0xFF);
    hugeSize[66] = hugeSize[67] = static_cast<char>(0xFF);
    QByteArray narrowLines = good;
    narrowLines[66] = 2;  // 16 bits for a 40-pixel line
    QByteArray twoBitsThreePlanes = good;
    twoBitsThreePlanes[3] = 2;
    twoBitsThreePlanes[65] = 3;
    QByteArray wrongMaker = good;
    wrongMaker[0] = 0x0B;
    const std::pair<const char*, QByteArray> cases[] = {
        {"nothing", QByteArray()},
        {"a PNG", Hex("89504e470d0a1a0a") + QByteArray(200, 'x')},
        {"header only", good.left(PcxCodec::kHeaderSize)},
        {"cut in the data", good.left(good.size() - 5)},
        {"cut inside a run", good.left(PcxCodec::kHeaderSize) + Hex("c5")},
        {"65535 x 65535 promised by a few bytes", hugeSize},
        {"lines narrower than the picture", narrowLines},
        {"2 bits in 3 planes", twoBitsThreePlanes},
        {"not made by ZSoft's rules", wrongMaker},
    };
    for (const auto& [name, bytes] : cases) {
        EXPECT_TRUE(PcxCodec::Read(bytes).isNull()) << name;
    }
    EXPECT_FALSE(PcxCodec::Read(good).isNull());
    EXPECT_TRUE(PcxCodec::Write(QImage()).isEmpty());
}

}  // namespace
