// Loading pictures by their extension's type, with the bits per pixel they came with.
#include <gtest/gtest.h>

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
    const std::pair<QString, PictureType> cases[] = {
        {garbage, PictureType::Bmp},
        {folder.filePath(QStringLiteral("missing.png")), PictureType::Png},
        {png, PictureType::Unknown},  // no type: nothing is tried
        {SaveBytes(QByteArray(), QStringLiteral("empty.pcx")), PictureType::Pcx},
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
