// Every dither method on small known pictures: the exact pixels its matrix defines.
#include <gtest/gtest.h>

#include "images/Dithering.h"
#include "images/ImageTestFiles.h"
#include "support/QtPrinters.h"

namespace {

using images_test::ColourScene;
using images_test::Flat;
using images_test::Rows;
using images_test::ToRows;

QStringList Tile(const QStringList& cell, int times) {
    QStringList rows;
    for (int down = 0; down < times; ++down) {
        for (const QString& row : cell) {
            rows << row.repeated(times);
        }
    }
    return rows;
}

struct OrderedCase {
    const char* name;
    DitherMethod method;
    int grey;
    QStringList cell;  // the pattern of one matrix cell, repeated over the picture
};

TEST(Dithering, OrderedMethodsGiveTheirMatrixPatterns) {
    const QStringList checkerboard4 = Rows({".#.#", "#.#.", ".#.#", "#.#."});
    const OrderedCase cases[] = {
        // At 50% Bayer turns every other pixel white, in both sizes.
        {"Bayer 4x4, 50%", DitherMethod::Bayer4, 128, checkerboard4},
        {"Bayer 8x8, 50%", DitherMethod::Bayer8, 128, Tile(checkerboard4, 2)},
        // A darker grey, between the levels of 4x4: 8x8 has finer steps.
        {"Bayer 4x4, 24", DitherMethod::Bayer4, 24, Rows({".###", "####", "####", "####"})},
        {"Bayer 8x8, 24", DitherMethod::Bayer8, 24,
         Rows({".###.###", "########", "##.#####", "########", ".###.###", "########", "######.#",
               "########"})},
        // The clustered matrix keeps its black in one blob per cell.
        {"clustered 4x4, 50%", DitherMethod::OrderedClustered, 128,
         Rows({".##.", "####", ".##.", "...."})},
        {"clustered 4x4, 80%", DitherMethod::OrderedClustered, 204,
         Rows({"....", ".##.", "..#.", "...."})},
        {"Bayer 4x4, black", DitherMethod::Bayer4, 0, Rows({"####", "####", "####", "####"})},
        {"Bayer 8x8, white", DitherMethod::Bayer8, 255, Rows({"........"})},
    };
    for (const OrderedCase& c : cases) {
        const int size = static_cast<int>(c.cell.size() == 1 ? 8 : c.cell.size()) * 2;
        QStringList expected;
        for (int y = 0; y < size; ++y) {
            expected << c.cell[y % c.cell.size()].repeated(size / c.cell[0].size());
        }
        const QImage result = Dithering::Apply(Flat(size, size, c.grey), c.method);
        ASSERT_TRUE(Dithering::IsBlackAndWhite(result)) << c.name;
        EXPECT_EQ(ToRows(result), expected) << c.name;
    }
}

TEST(Dithering, ErrorDiffusionOfARamp) {
    QImage ramp(16, 6, QImage::Format_RGB32);
    for (int x = 0; x < 16; ++x) {
        for (int y = 0; y < 6; ++y) {
            ramp.setPixel(x, y, qRgb(x * 17, x * 17, x * 17));
        }
    }
    const QStringList expected = Rows({
        "######.#.#......",
        "####.#.#..#.....",
        "#####.##.#..#...",
        "###.##.#.#......",
        "####.##.#.#.#...",
        "#####.#.#.......",
    });
    EXPECT_EQ(ToRows(Dithering::ErrorDiffusion(ramp)), expected);
    EXPECT_EQ(ToRows(Dithering::Apply(ramp, DitherMethod::ErrorDiffusion)), expected);
}

// Every method keeps the grey level on average: a fault in the weights, the polarity or the
// thresholds shows as the wrong share of white.
TEST(Dithering, EveryMethodKeepsTheShareOfWhite) {
    for (const DitherMethod method : kDitherMethods) {
        if (method == DitherMethod::None) {
            continue;
        }
        for (const int grey : {16, 64, 100, 128, 160, 230}) {
            const QImage result = Dithering::Apply(Flat(64, 64, grey), method);
            int white = 0;
            for (const QString& row : ToRows(result)) {
                white += static_cast<int>(row.count(QLatin1Char('.')));
            }
            const double share = white / (64.0 * 64.0);
            const double tolerance = method == DitherMethod::ErrorDiffusion ? 0.02 : 1.0 / 16;
            EXPECT_NEAR(share, grey / 255.0, tolerance)
                << "method " << static_cast<int>(method) << ", grey " << grey;
        }
    }
}

TEST(Dithering, GreyLevelsWeighColoursAndPutTransparencyOnWhite) {
    QImage picture(6, 1, QImage::Format_ARGB32);
    const QRgb pixels[] = {qRgba(255, 0, 0, 255),  qRgba(0, 255, 0, 255), qRgba(0, 0, 255, 255),
                           qRgba(90, 90, 90, 255), qRgba(0, 0, 0, 0),     qRgba(0, 0, 0, 128)};
    for (int x = 0; x < 6; ++x) {
        picture.setPixel(x, 0, pixels[x]);
    }
    const std::vector<std::uint8_t> expected = {77, 149, 29, 90, 255, 127};
    EXPECT_EQ(Dithering::GreyLevels(picture), expected);

    // A transparent picture comes out white whatever its hidden colour, with every method.
    QImage clear(8, 8, QImage::Format_ARGB32);
    clear.fill(qRgba(0, 0, 0, 0));
    for (const DitherMethod method : kDitherMethods) {
        const QImage result = method == DitherMethod::None ? Dithering::Threshold(clear)
                                                           : Dithering::Apply(clear, method);
        EXPECT_EQ(ToRows(result), QStringList(8, QStringLiteral("........")))
            << static_cast<int>(method);
    }
}

// Palette and grey pictures are read a byte a pixel, not converted to four: their grey levels
// are still those of the picture Qt's conversion gives.
TEST(Dithering, PalettePicturesGiveTheGreyLevelsOfTheirConversion) {
    const QImage scene = ColourScene(37, 11);
    QImage indexed = scene.convertToFormat(QImage::Format_Indexed8);
    QImage translucent = indexed.copy();
    QList<QRgb> colours = translucent.colorTable();
    for (qsizetype i = 0; i < colours.size(); i += 3) {
        colours[i] = qRgba(qRed(colours[i]), qGreen(colours[i]), qBlue(colours[i]), int(i % 256));
    }
    translucent.setColorTable(colours);
    QImage shortTable = indexed.copy();
    shortTable.setColorTable(indexed.colorTable().first(5));  // the rest is missing
    QImage noTable = indexed.copy();
    noTable.setColorTable({});  // grey levels
    QImage mono = Dithering::Threshold(scene);
    mono.setColorTable({qRgb(200, 30, 30), qRgba(0, 0, 90, 60)});
    const struct {
        const char* name;
        QImage picture;
    } cases[] = {
        {"indexed", indexed},
        {"indexed with alpha", translucent},
        {"short table", shortTable},
        {"no table", noTable},
        {"mono", mono},
        {"mono LSB", mono.convertToFormat(QImage::Format_MonoLSB)},
        {"mono, one colour",
         [&] {
             QImage one = mono.copy();
             one.setColorTable({qRgb(90, 90, 90)});
             return one;
         }()},
        {"grey", scene.convertToFormat(QImage::Format_Grayscale8)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_FALSE(c.picture.isNull());
        EXPECT_EQ(Dithering::GreyLevels(c.picture),
                  Dithering::GreyLevels(c.picture.convertToFormat(QImage::Format_ARGB32)));
    }
}

TEST(Dithering, ThresholdSplitsAtMidGreyAndPalettesAreHonoured) {
    QImage ramp(4, 1, QImage::Format_Grayscale8);
    const uchar levels[] = {0, 127, 128, 255};
    std::copy(std::begin(levels), std::end(levels), ramp.scanLine(0));
    EXPECT_EQ(ToRows(Dithering::Threshold(ramp)), QStringList{QStringLiteral("##..")});

    // A two-colour picture in other colours: light yellow is white, dark blue black.
    QImage indexed(2, 1, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(250, 240, 120), qRgb(10, 20, 120)});
    indexed.scanLine(0)[0] = 0;
    indexed.scanLine(0)[1] = 1;
    EXPECT_EQ(ToRows(Dithering::Threshold(indexed)), QStringList{QStringLiteral(".#")});
    // A value outside the enum dithers nothing.
    EXPECT_TRUE(Dithering::Apply(indexed, static_cast<DitherMethod>(3)).isNull());
}

}  // namespace
