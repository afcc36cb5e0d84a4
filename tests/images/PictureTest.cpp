// Loading pictures by their extension's type, with the bits per pixel they came with.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "images/Dithering.h"
#include "images/ImageTestFiles.h"
#include "images/PcxCodec.h"
#include "images/Picture.h"
#include "support/QtPrinters.h"

namespace {

using namespace images_test;

TEST(Picture, FindsTheTypeFromTheFileName) {
    const std::pair<const char*, int> cases[] = {
        {"/p/photo.jpg", Picture::kJpeg},    {"/p/photo.JPEG", Picture::kJpeg},
        {"/p/photo.jfif", Picture::kJpeg},   {"/p/scan.Tiff", Picture::kTiff},
        {"/p/logo.pcx", Picture::kPcx},      {"/p/logo.BMP", Picture::kBmp},
        {"/p/a.png", Picture::kPng},         {"/p/a.gif", Picture::kGif},
        {"/p/a.webp", Picture::kWebp},       {"/p/a.pgm", Picture::kPnm},
        {"/p/notes.txt", Picture::kUnknown}, {"/p/README", Picture::kUnknown},
        {"/p/name.", Picture::kUnknown},     {"/p/v1.jpg/README", Picture::kUnknown},
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
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QTemporaryDir folder;
};

TEST_F(PictureFiles, LoadsEveryKindWithItsBitsPerPixel) {
    const QImage scene = ColourScene(40, 30);
    const QImage mono = Dithering::Threshold(scene);
    QString error;
    const struct {
        QString path;
        int type;
        int bits;
    } cases[] = {
        {Save(scene, QStringLiteral("photo.JPG"), "JPG"), Picture::kJpeg, 24},
        {Save(scene, QStringLiteral("scene.bmp"), "BMP"), Picture::kBmp, 24},
        {Save(mono, QStringLiteral("mono.png"), "PNG"), Picture::kPng, 1},
        {Save(mono, QStringLiteral("mono.bmp"), "BMP"), Picture::kBmp, 1},
        {Save(scene.convertToFormat(QImage::Format_Grayscale8), QStringLiteral("grey.png"), "PNG"),
         Picture::kPng, 8},
        {SaveBytes(PcxCodec::Write(mono), QStringLiteral("mono.pcx")), Picture::kPcx, 1},
        {SaveBytes(EncodeWithPillow(scene, QStringLiteral("RGB"), error),
                   QStringLiteral("colour.PCX")),
         Picture::kPcx, 24},
        // Named for one format, made in another.
        {Save(scene, QStringLiteral("really-a-png.jpg"), "PNG"), Picture::kJpeg, 24},
        {SaveBytes(PcxCodec::Write(mono), QStringLiteral("really-a-pcx.bmp")), Picture::kBmp, 1},
    };
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    for (const auto& c : cases) {
        const int type = Picture::TypeFromExtension(Picture::Extension(c.path));
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
    const std::pair<QString, int> cases[] = {
        {garbage, Picture::kBmp},
        {folder.filePath(QStringLiteral("missing.png")), Picture::kPng},
        {png, Picture::kUnknown},  // no type: nothing is tried
        {SaveBytes(QByteArray(), QStringLiteral("empty.pcx")), Picture::kPcx},
    };
    for (const auto& [path, type] : cases) {
        Picture picture;
        EXPECT_FALSE(picture.Load(path, type)) << path.toStdString();
        EXPECT_FALSE(picture.IsValid());
        EXPECT_EQ(picture.BitsPerPixel(), 0);
    }
}

TEST_F(PictureFiles, EveryMethodEndsInOneBitAndOnlyKnownMethodsDither) {
    const QString path = Save(ColourScene(50, 20), QStringLiteral("scene.png"), "PNG");
    for (const int method : {-1, 0, 1, 7, 8, 5}) {
        Picture picture;
        ASSERT_TRUE(picture.Load(path, Picture::kPng));
        if (method < 0) {
            picture.ReduceToOneBit();
        } else {
            EXPECT_EQ(picture.Dither(method), method != 5) << method;
        }
        EXPECT_EQ(picture.BitsPerPixel(), method == 5 ? 24 : 1) << method;
    }
    Picture picture;
    EXPECT_FALSE(picture.SavePcx(folder.filePath(QStringLiteral("nothing-loaded.pcx"))));
    ASSERT_TRUE(picture.Load(path, Picture::kPng));
    EXPECT_FALSE(picture.SavePcx(folder.filePath(QStringLiteral("no-such-folder/x.pcx"))));
}

}  // namespace
