// Loading pictures by their extension's type, with the bits per pixel they came with.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QTemporaryDir>

#include "images/Dithering.h"
#include "images/ImageTestFiles.h"
#include "images/PcxCodec.h"
#include "images/Picture.h"
#include "support/QtPrinters.h"
#include "support/Widgets.h"

namespace {

using namespace images_test;

TEST(Picture, FindsTheTypeFromTheFileName) {
    const std::pair<const char*, PictureType> cases[] = {
        {"/p/photo.jpg", PictureType::Jpeg},    {"/p/photo.JPEG", PictureType::Jpeg},
        {"/p/photo.jfif", PictureType::Jpeg},   {"/p/scan.Tiff", PictureType::Tiff},
        {"/p/logo.pcx", PictureType::Pcx},      {"/p/logo.BMP", PictureType::Bmp},
        {"/p/a.png", PictureType::Png},         {"/p/a.gif", PictureType::Gif},
        {"/p/a.webp", PictureType::Webp},       {"/p/a.pgm", PictureType::Pnm},
        {"/p/notes.txt", PictureType::Unknown}, {"/p/README", PictureType::Unknown},
        {"/p/name.", PictureType::Unknown},     {"/p/v1.jpg/README", PictureType::Unknown},
    };
    for (const auto& [path, type] : cases) {
        EXPECT_EQ(Picture::TypeFromExtension(Picture::Extension(QLatin1String(path))), type)
            << path;
    }
    EXPECT_EQ(Picture::Extension(QStringLiteral("/p/photo.JPG")), QStringLiteral("jpg"));
    EXPECT_EQ(Picture::Extension(QStringLiteral("/p/v1.jpg/README")), QString());
}

class PictureFiles : public testing::Test {
protected:
    QString Save(const QImage& picture, const QString& name, const char* format) {
        const QString path = folder.filePath(name);
        EXPECT_TRUE(picture.save(path, format)) << name.toStdString();
        return path;
    }
    QString SaveBytes(const QByteArray& bytes, const QString& name) {
        return WriteFile(folder.path(), name, bytes);
    }
    QTemporaryDir folder;
};

TEST_F(PictureFiles, LoadsEveryKindWithItsBitsPerPixel) {
    const QImage scene = ColourScene(40, 30);
    const QImage mono = Dithering::Threshold(scene);
    QString error;
    const struct {
        QString path;
        PictureType type;
        int bits;
    } cases[] = {
        {Save(scene, QStringLiteral("photo.JPG"), "JPG"), PictureType::Jpeg, 24},
        {Save(scene, QStringLiteral("scene.bmp"), "BMP"), PictureType::Bmp, 24},
        {Save(mono, QStringLiteral("mono.png"), "PNG"), PictureType::Png, 1},
        {Save(mono, QStringLiteral("mono.bmp"), "BMP"), PictureType::Bmp, 1},
        {Save(scene.convertToFormat(QImage::Format_Grayscale8), QStringLiteral("grey.png"), "PNG"),
         PictureType::Png, 8},
        {SaveBytes(PcxCodec::Write(mono), QStringLiteral("mono.pcx")), PictureType::Pcx, 1},
        {SaveBytes(EncodeWithPillow(scene, QStringLiteral("RGB"), error),
                   QStringLiteral("colour.PCX")),
         PictureType::Pcx, 24},
        // Named for one format, made in another.
        {Save(scene, QStringLiteral("really-a-png.jpg"), "PNG"), PictureType::Jpeg, 24},
        {SaveBytes(PcxCodec::Write(mono), QStringLiteral("really-a-pcx.bmp")), PictureType::Bmp, 1},
    };
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    for (const auto& c : cases) {
        const PictureType type = Picture::TypeFromExtension(Picture::Extension(c.path));
        EXPECT_EQ(type, c.type) << c.path.toStdString();
        Picture picture;
        ASSERT_TRUE(picture.Load(c.path, type)) << c.path.toStdString();
        EXPECT_TRUE(picture.IsValid());
        EXPECT_EQ(picture.BitsPerPixel(), c.bits) << c.path.toStdString();
        EXPECT_EQ(picture.Width(), 40);
        EXPECT_EQ(picture.Height(), 30);
    }
}

TEST_F(PictureFiles, WhatCannotBeReadIsNoPicture) {
    const QString garbage = SaveBytes(QByteArray(500, 'x'), QStringLiteral("garbage.bmp"));
    const QString png = Save(ColourScene(4, 4), QStringLiteral("fine.png"), "PNG");
    // Not files at all: a named pipe nobody writes to (an ordinary open would wait for ever), a
    // folder, a device.
    const QString pipe = folder.filePath(QStringLiteral("pipe.jpg"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const std::pair<QString, PictureType> cases[] = {
        {pipe, PictureType::Jpeg},
        {pipe, PictureType::Pcx},
        {pipe, PictureType::Png},
        {folder.path(), PictureType::Bmp},
        {QStringLiteral("/dev/zero"), PictureType::Pcx},
        {garbage, PictureType::Bmp},
        {folder.filePath(QStringLiteral("missing.png")), PictureType::Png},
        {png, PictureType::Unknown},  // no type: nothing is tried
        {SaveBytes(QByteArray(), QStringLiteral("empty.pcx")), PictureType::Pcx},
    };
    for (const auto& [path, type] : cases) {
        Picture picture;
        EXPECT_FALSE(picture.Load(path, type)) << path.toStdString();
        EXPECT_FALSE(picture.IsValid());
        EXPECT_FALSE(picture.TooLarge());
        EXPECT_EQ(picture.BitsPerPixel(), 0);
    }
}

// A PCX file whose header declares `width` x `height` at one bit, followed by `data`.
QByteArray PcxHeader(int width, int height, const QByteArray& data) {
    QByteArray file = PcxCodec::Write(FromRows(Rows({"#"}))).left(PcxCodec::kHeaderSize);
    const auto word = [&file](int at, int value) {
        file[at] = static_cast<char>(value & 0xFF);
        file[at + 1] = static_cast<char>(value >> 8);
    };
    word(8, width - 1);
    word(10, height - 1);
    word(66, (width + 15) / 16 * 2);
    return file + data;
}

// The file's CRC-32, as PNG chunks carry it.
quint32 Crc32(const QByteArray& bytes) {
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc ^= static_cast<uchar>(byte);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

// A PNG file that declares a one-bit grey picture of `width` x `height` and holds no pixels.
// A one-bit grey PNG of the given size whose picture data is `deflated` (a zlib stream).
QByteArray Png(quint32 width, quint32 height, const QByteArray& deflated = {}) {
    const auto big = [](quint32 value) {
        QByteArray bytes(4, '\0');
        for (int i = 0; i < 4; ++i) {
            bytes[i] = static_cast<char>((value >> (24 - 8 * i)) & 0xFF);
        }
        return bytes;
    };
    const QByteArray header = "IHDR" + big(width) + big(height) + QByteArray::fromHex("0100000000");
    const QByteArray data = "IDAT" + deflated;
    return QByteArray::fromHex("89504e470d0a1a0a") + big(13) + header + big(Crc32(header)) +
           big(quint32(deflated.size())) + data + big(Crc32(data)) + big(0) + "IEND" +
           big(Crc32("IEND"));
}

// A small file can declare a picture of gigabytes: run-length-encoded PCX gives 63 bytes for
// two. Past the most pixels a file is refused from its header, before its picture is made.
TEST_F(PictureFiles, APictureOfMoreThanTheMostPixelsIsRefusedFromItsHeader) {
    // 16384 x 16384 at one bit is 32 MiB of lines: two bytes a run of 63 bytes fill them.
    QByteArray runs;
    for (qint64 filled = 0; filled < 16384LL * 2048; filled += 63) {
        runs += "\xFF\xFF";
    }
    const struct {
        const char* name;
        QByteArray bytes;
        PictureType type;
    } cases[] = {
        {"bomb.pcx", PcxHeader(16384, 16384, runs), PictureType::Pcx},
        {"one-line-too-many.pcx", PcxHeader(8192, 8193, "\xFF\xFF"), PictureType::Pcx},
        {"named-for-another.bmp", PcxHeader(65535, 65535, "\xFF\xFF"), PictureType::Bmp},
        {"bomb.png", Png(40000, 40000), PictureType::Png},
        // 30000 x 30000 in 107 KiB: zlib packs the 112 MB of white lines a thousand to one.
        {"deflated-bomb.png",
         Png(30000, 30000, qCompress(QByteArray(30000 * (1 + 30000 / 8), '\0'), 9).mid(4)),
         PictureType::Png},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Picture picture;
        EXPECT_FALSE(picture.Load(SaveBytes(c.bytes, QLatin1String(c.name)), c.type));
        EXPECT_TRUE(picture.TooLarge());
        EXPECT_FALSE(picture.IsValid());
        EXPECT_EQ(picture.BitsPerPixel(), 0);
    }
    EXPECT_TRUE(PcxCodec::Read(cases[0].bytes).isNull());
    EXPECT_EQ(PcxCodec::DeclaredSize(cases[0].bytes), QSize(16384, 16384));

    // Right at the limit a picture is read, and stays one bit a pixel on its way.
    QImage white = Dithering::BlackAndWhite(8192, 8192);
    white.fill(1);
    Picture largest;
    ASSERT_TRUE(largest.Load(SaveBytes(PcxCodec::Write(white), QStringLiteral("largest.pcx")),
                             PictureType::Pcx));
    EXPECT_FALSE(largest.TooLarge());
    EXPECT_EQ(largest.Image().format(), QImage::Format_Mono);
    EXPECT_EQ(largest.ToBlackAndWhite(DitherMethod::None), Picture::Step::Kept);
    EXPECT_EQ(largest.Image().pixel(8191, 8191), qRgb(255, 255, 255));
}

// The way to black and white shared by the preview and the download.
TEST_F(PictureFiles, ToBlackAndWhiteDithersThenReducesWhatIsNotYetBlackAndWhite) {
    const QImage scene = ColourScene(30, 20);
    const QImage mono = Dithering::Threshold(scene);
    QImage greys = mono.copy();
    greys.setColorTable({qRgb(0, 0, 0), qRgb(100, 100, 100)});
    const DitherMethod unknown = static_cast<DitherMethod>(5);
    const struct {
        const char* name;
        QImage picture;
        DitherMethod method;
        Picture::Step step;
        QImage expected;
    } cases[] = {
        {"black and white", mono, DitherMethod::None, Picture::Step::Kept, mono},
        {"colour", scene, DitherMethod::None, Picture::Step::Reduced, Dithering::Threshold(scene)},
        {"colour, dithered", scene, DitherMethod::Bayer4, Picture::Step::Dithered,
         Dithering::Apply(scene, DitherMethod::Bayer4)},
        {"colour, unknown method", scene, unknown, Picture::Step::Reduced,
         Dithering::Threshold(scene)},
        {"black and grey", greys, DitherMethod::None, Picture::Step::Reduced,
         Dithering::Threshold(greys)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Picture picture;
        ASSERT_TRUE(
            picture.Load(Save(c.picture, QStringLiteral("picture.png"), "PNG"), PictureType::Png));
        EXPECT_EQ(picture.ToBlackAndWhite(c.method), c.step);
        EXPECT_TRUE(Dithering::IsBlackAndWhite(picture.Image()));
        EXPECT_EQ(ToRows(picture.Image()), ToRows(c.expected));
        EXPECT_EQ(picture.BitsPerPixel(), 1);
    }
}

TEST_F(PictureFiles, EveryMethodEndsInOneBitAndOnlyKnownMethodsDither) {
    const QString path = Save(ColourScene(50, 20), QStringLiteral("scene.png"), "PNG");
    const DitherMethod unknown = static_cast<DitherMethod>(5);  // outside the enum
    std::vector<DitherMethod> methods(kDitherMethods.begin(), kDitherMethods.end());
    methods.push_back(unknown);
    for (const DitherMethod method : methods) {
        Picture picture;
        ASSERT_TRUE(picture.Load(path, PictureType::Png));
        if (method == DitherMethod::None) {
            picture.ReduceToOneBit();
        } else {
            EXPECT_EQ(picture.Dither(method), method != unknown) << static_cast<int>(method);
        }
        EXPECT_EQ(picture.BitsPerPixel(), method == unknown ? 24 : 1) << static_cast<int>(method);
    }
    Picture picture;
    EXPECT_FALSE(picture.SavePcx(folder.filePath(QStringLiteral("nothing-loaded.pcx"))));
    ASSERT_TRUE(picture.Load(path, PictureType::Png));
    EXPECT_FALSE(picture.SavePcx(folder.filePath(QStringLiteral("no-such-folder/x.pcx"))));
}

}  // namespace
