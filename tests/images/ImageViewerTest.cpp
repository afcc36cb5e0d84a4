// The Image Viewer: what it shows for each kind of file, the dither list, and its results.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>

#include "forms/Controls.h"
#include "images/Dithering.h"
#include "images/ImageTestFiles.h"
#include "images/ImageViewer.h"
#include "images/JpegGrey.h"
#include "images/PcxCodec.h"
#include "images/PicturePane.h"
#include "images/PicturePreview.h"
#include "support/TestRig.h"
#include "support/Widgets.h"

namespace {

using namespace images_test;

class Viewer : public testing::Test {
protected:
    std::unique_ptr<ImageViewer> Open(const QString& path) {
        auto viewer = std::make_unique<ImageViewer>(rig.Context(), path);
        list = Find<QComboBox>(*viewer, "ditherCombo");
        pane = Find<PicturePane>(*viewer, "picturePane");
        return viewer;
    }
    QString Write(const QString& name, const QByteArray& bytes) {
        return WriteFile(folder.path(), name, bytes);
    }
    // The colour of the pane at a point, as painted.
    QRgb PaneAt(int x, int y) { return pane->viewport()->grab().toImage().pixel(x, y); }

    TestRig rig;
    QTemporaryDir folder;
    QComboBox* list = nullptr;
    PicturePane* pane = nullptr;
};

TEST_F(Viewer, AOneBitPcxOpensWithTheListDisabled) {
    const QImage mono = Dithering::Threshold(ColourScene(30, 20));
    const QString path = Write(QStringLiteral("logo.pcx"), PcxCodec::Write(mono));
    auto viewer = Open(path);
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral("Image Viewer"));
    EXPECT_EQ(Find<QLabel>(*viewer, "pathLabel")->text(), path);
    QStringList entries;
    for (int i = 0; i < list->count(); ++i) {
        entries << list->itemText(i);
    }
    EXPECT_EQ(entries,
              Texts({"None", "Error Diffusion", "Ordered Dither", "4x4 Matrix", "8x8 Matrixt"}));
    EXPECT_EQ(list->currentIndex(), 0);
    EXPECT_FALSE(list->isEnabled());
    ASSERT_TRUE(pane->HasImage());
    EXPECT_EQ(ToRows(pane->Shown()), ToRows(mono));
    EXPECT_EQ(rig.pacer.pauses, std::vector<int>{50});  // loaded; nothing to reduce
    Click(*viewer, "okButton");
    EXPECT_EQ(viewer->result(), QDialog::Accepted);
    EXPECT_EQ(viewer->Method(), DitherMethod::None);
    EXPECT_EQ(viewer->Type(), PictureType::Pcx);
}

struct ListCase {
    int index;            // the entry chosen in the list
    DitherMethod method;  // the value it carries
    int conversionPause;  // after the dithering or the reduction
};

TEST_F(Viewer, AColourJpegWithACapitalExtensionIsShownConvertedByEachMethod) {
    const QString path = folder.filePath(QStringLiteral("PHOTO.JPG"));
    ASSERT_TRUE(ColourScene(64, 48).save(path, "JPG"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    // The grey levels the JPEG decoder gives back.
    const QImage decoded = JpegGrey::Decode(file.readAll(), Picture::kMostPixels).image;
    auto viewer = Open(path);
    EXPECT_TRUE(list->isEnabled());
    EXPECT_EQ(ToRows(pane->Shown()), ToRows(Dithering::Threshold(decoded)));
    EXPECT_EQ(pane->Shown().depth(), 1);
    EXPECT_EQ(rig.pacer.pauses, (std::vector<int>{50, 50}));

    // Every choice converts the loaded picture afresh; "None" brings back the plain reduction.
    const ListCase cases[] = {
        {.index = 4, .method = DitherMethod::Bayer8, .conversionPause = 30},
        {.index = 1, .method = DitherMethod::ErrorDiffusion, .conversionPause = 30},
        {.index = 2, .method = DitherMethod::OrderedClustered, .conversionPause = 30},
        {.index = 3, .method = DitherMethod::Bayer4, .conversionPause = 30},
        {.index = 0, .method = DitherMethod::None, .conversionPause = 50},
    };
    for (const ListCase& c : cases) {
        SCOPED_TRACE(c.index);
        rig.pacer.Clear();
        Choose(list, c.index);
        EXPECT_EQ(Controls::Chosen<DitherMethod>(list), c.method);
        const QImage expected = c.method == DitherMethod::None
                                    ? Dithering::Threshold(decoded)
                                    : Dithering::Apply(decoded, c.method);
        EXPECT_EQ(ToRows(pane->Shown()), ToRows(expected));
        EXPECT_EQ(rig.pacer.pauses, (std::vector<int>{50, c.conversionPause}));
    }
    // The list finds an entry by the method it carries.
    ASSERT_TRUE(Controls::Choose(list, QVariant::fromValue(DitherMethod::Bayer8)));
    EXPECT_EQ(list->currentIndex(), 4);
    Click(*viewer, "okButton");
    EXPECT_EQ(viewer->Method(), DitherMethod::Bayer8);
    EXPECT_EQ(viewer->Type(), PictureType::Jpeg);
}

// The loaded picture is kept while the file is the same file: same path, size and modification
// time. A file written again is loaded again.
TEST_F(Viewer, ThePreviewKeepsTheLoadedPictureWhileTheFileIsUnchanged) {
    const QImage dark = Flat(16, 8, 20);
    const QImage light = Flat(16, 8, 240);
    const QImage lightTaller = Flat(16, 9, 240);
    const auto save = [&](const QImage& picture, const QDateTime& modified) {
        const QString path = folder.filePath(QStringLiteral("tag.png"));
        EXPECT_TRUE(picture.save(path, "PNG"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadWrite));
        EXPECT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
        return path;
    };
    const QDateTime monday(QDate(2026, 12, 7), QTime(9, 0));
    const QDateTime tuesday = monday.addDays(1);
    PicturePreview preview(rig.pacer);
    const struct {
        const char* what;
        QImage written;  // null: the file stays as it is
        QDateTime modified;
        QImage shown;
    } steps[] = {
        {"first load", dark, monday, dark},
        {"unchanged", QImage(), monday, dark},
        {"written again, same size and time: taken for the same file", light, monday, dark},
        {"written again later", light, tuesday, light},
        {"another size at the same time", lightTaller, tuesday, lightTaller},
    };
    QString path;
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        if (!step.written.isNull()) {
            path = save(step.written, step.modified);
        }
        rig.pacer.Clear();
        const auto shown = preview.Load(path, DitherMethod::Bayer4);
        ASSERT_TRUE(shown.has_value());
        EXPECT_EQ(ToRows(shown->image), ToRows(Dithering::Apply(step.shown, DitherMethod::Bayer4)));
        EXPECT_EQ(rig.pacer.pauses, (std::vector<int>{50, 30})) << "the pauses stay";
    }
}

TEST_F(Viewer, WhatCannotBeShownIsGreyWithTheListDisabled) {
    const QString png = folder.filePath(QStringLiteral("picture"));
    ASSERT_TRUE(ColourScene(10, 10).save(png, "PNG"));
    // Nothing shown gives no type back, whatever the extension.
    const QString cases[] = {
        png,  // no dot
        Write(QStringLiteral("notes.txt"), "hello"),
        Write(QStringLiteral("broken.jpg"), QByteArray(300, 'x')),
        folder.filePath(QStringLiteral("missing.bmp")),
    };
    for (const QString& path : cases) {
        SCOPED_TRACE(path.toStdString());
        auto viewer = Open(path);
        viewer->resize(300, 200);
        viewer->show();
        EXPECT_FALSE(pane->HasImage());
        EXPECT_FALSE(list->isEnabled());
        EXPECT_EQ(PaneAt(5, 5), qRgb(238, 238, 238));
        EXPECT_EQ(pane->horizontalScrollBar()->maximum(), 0);
        Click(*viewer, "okButton");
        EXPECT_EQ(viewer->result(), QDialog::Accepted);
        EXPECT_EQ(viewer->Method(), DitherMethod::None);
        EXPECT_EQ(viewer->Type(), PictureType::Unknown);
    }
}

TEST_F(Viewer, ThePictureScrollsAtItsNaturalSize) {
    QImage big = Dithering::BlackAndWhite(900, 700);
    for (int y = 0; y < 700; ++y) {
        for (int x = 0; x < 900; ++x) {
            big.setPixel(x, y, (x / 100 + y / 100) % 2);
        }
    }
    auto viewer = Open(Write(QStringLiteral("big.pcx"), PcxCodec::Write(big)));
    viewer->resize(400, 300);
    viewer->show();
    const QSize room = pane->viewport()->size();
    EXPECT_EQ(pane->ImageWidth(), 900);
    EXPECT_EQ(pane->ImageHeight(), 700);
    EXPECT_EQ(pane->horizontalScrollBar()->maximum(), 900 - room.width());
    EXPECT_EQ(pane->verticalScrollBar()->maximum(), 700 - room.height());
    EXPECT_EQ(PaneAt(50, 50), qRgb(0, 0, 0));
    EXPECT_EQ(PaneAt(150, 50), qRgb(255, 255, 255));
    pane->horizontalScrollBar()->setValue(100);
    EXPECT_EQ(PaneAt(50, 50), qRgb(255, 255, 255));
    pane->verticalScrollBar()->setValue(100);
    EXPECT_EQ(PaneAt(50, 50), qRgb(0, 0, 0));
}

}  // namespace
