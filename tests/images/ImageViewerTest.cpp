// The Image Viewer: what it shows for each kind of file, the dither list, and its results.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>

#include "images/CDlgScrollView.h"
#include "images/Dithering.h"
#include "images/ImageTestFiles.h"
#include "images/ImageViewer.h"
#include "images/PcxCodec.h"
#include "images/Picture.h"
#include "support/TestRig.h"

namespace {

using namespace images_test;

class Viewer : public testing::Test {
protected:
    std::unique_ptr<ImageViewer> Open(const QString& path) {
        auto viewer = std::make_unique<ImageViewer>(rig.Context(), path);
        combo = viewer->findChild<QComboBox*>(QStringLiteral("ditherCombo"));
        view = viewer->findChild<CDlgScrollView*>(QStringLiteral("view"));
        EXPECT_NE(combo, nullptr);
        EXPECT_NE(view, nullptr);
        return viewer;
    }
    QString WriteFile(const QString& name, const QByteArray& bytes) {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    // The colour of the pane at a point, as painted.
    QRgb PaneAt(int x, int y) { return view->viewport()->grab().toImage().pixel(x, y); }

    TestRig rig;
    QTemporaryDir folder;
    QComboBox* combo = nullptr;
    CDlgScrollView* view = nullptr;
};

TEST_F(Viewer, AOneBitPcxOpensWithTheListDisabled) {
    const QImage mono = Dithering::Threshold(ColourScene(30, 20));
    const QString path = WriteFile(QStringLiteral("logo.pcx"), PcxCodec::Write(mono));
    auto viewer = Open(path);
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral("Image Viewer"));
    EXPECT_EQ(viewer->findChild<QLabel*>(QStringLiteral("pathLabel"))->text(), path);
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i) {
        entries << combo->itemText(i);
    }
    EXPECT_EQ(entries, (QStringList{QStringLiteral("None"), QStringLiteral("Error Diffusion"),
                                    QStringLiteral("Ordered Dither"), QStringLiteral("4x4 Matrix"),
                                    QStringLiteral("8x8 Matrixt")}));
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_FALSE(combo->isEnabled());
    ASSERT_TRUE(view->HasImage());
    EXPECT_EQ(ToRows(view->Shown()), ToRows(mono));
    EXPECT_EQ(rig.pacer.pauses, std::vector<int>{50});  // loaded; nothing to reduce
    viewer->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    EXPECT_EQ(viewer->result(), QDialog::Accepted);
    EXPECT_EQ(viewer->DitherMethod(), -1);
    EXPECT_EQ(viewer->ImageType(), Picture::kPcx);
}

TEST_F(Viewer, AColourJpegWithACapitalExtensionIsShownConvertedByEachMethod) {
    const QString path = folder.filePath(QStringLiteral("PHOTO.JPG"));
    ASSERT_TRUE(ColourScene(64, 48).save(path, "JPG"));
    const QImage decoded(path);  // as the JPEG reader gives it back
    auto viewer = Open(path);
    EXPECT_TRUE(combo->isEnabled());
    EXPECT_EQ(ToRows(view->Shown()), ToRows(Dithering::Threshold(decoded)));
    EXPECT_EQ(view->Shown().depth(), 1);
    EXPECT_EQ(rig.pacer.pauses, (std::vector<int>{50, 50}));

    // Every choice converts the file afresh; "None" brings back the plain reduction.
    const std::pair<int, QImage> choices[] = {
        {4, Dithering::Apply(decoded, Dithering::kBayer8)},
        {1, Dithering::Apply(decoded, Dithering::kErrorDiffusion)},
        {2, Dithering::Apply(decoded, Dithering::kOrderedClustered)},
        {3, Dithering::Apply(decoded, Dithering::kBayer4)},
        {0, Dithering::Threshold(decoded)},
    };
    for (const auto& [index, expected] : choices) {
        rig.pacer.Clear();
        combo->setCurrentIndex(index);
        EXPECT_EQ(ToRows(view->Shown()), ToRows(expected)) << index;
        EXPECT_EQ(rig.pacer.pauses, (std::vector<int>{50, index == 0 ? 50 : 30})) << index;
    }
    combo->setCurrentIndex(4);
    viewer->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    EXPECT_EQ(viewer->DitherMethod(), 8);
    EXPECT_EQ(viewer->ImageType(), Picture::kJpeg);
}

TEST_F(Viewer, WhatCannotBeShownIsGreyWithTheListDisabled) {
    const QString png = folder.filePath(QStringLiteral("picture"));
    ASSERT_TRUE(ColourScene(10, 10).save(png, "PNG"));
    // Nothing shown gives no type back, whatever the extension.
    const QString cases[] = {
        png,  // no dot
        WriteFile(QStringLiteral("notes.txt"), "hello"),
        WriteFile(QStringLiteral("broken.jpg"), QByteArray(300, 'x')),
        folder.filePath(QStringLiteral("missing.bmp")),
    };
    for (const QString& path : cases) {
        auto viewer = Open(path);
        viewer->resize(300, 200);
        viewer->show();
        EXPECT_FALSE(view->HasImage()) << path.toStdString();
        EXPECT_FALSE(combo->isEnabled()) << path.toStdString();
        EXPECT_EQ(PaneAt(5, 5), qRgb(238, 238, 238)) << path.toStdString();
        EXPECT_EQ(view->horizontalScrollBar()->maximum(), 0);
        viewer->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
        EXPECT_EQ(viewer->result(), QDialog::Accepted) << path.toStdString();
        EXPECT_EQ(viewer->DitherMethod(), -1);
        EXPECT_EQ(viewer->ImageType(), 0) << path.toStdString();
    }
}

TEST_F(Viewer, ThePictureScrollsAtItsNaturalSize) {
    QImage big = Dithering::BlackAndWhite(900, 700);
    for (int y = 0; y < 700; ++y) {
        for (int x = 0; x < 900; ++x) {
            big.setPixel(x, y, (x / 100 + y / 100) % 2);
        }
    }
    auto viewer = Open(WriteFile(QStringLiteral("big.pcx"), PcxCodec::Write(big)));
    viewer->resize(400, 300);
    viewer->show();
    const QSize pane = view->viewport()->size();
    EXPECT_EQ(view->ImageWidth(), 900);
    EXPECT_EQ(view->ImageHeight(), 700);
    EXPECT_EQ(view->horizontalScrollBar()->maximum(), 900 - pane.width());
    EXPECT_EQ(view->verticalScrollBar()->maximum(), 700 - pane.height());
    EXPECT_EQ(PaneAt(50, 50), qRgb(0, 0, 0));
    EXPECT_EQ(PaneAt(150, 50), qRgb(255, 255, 255));
    view->horizontalScrollBar()->setValue(100);
    EXPECT_EQ(PaneAt(50, 50), qRgb(255, 255, 255));
    view->verticalScrollBar()->setValue(100);
    EXPECT_EQ(PaneAt(50, 50), qRgb(0, 0, 0));
}

}  // namespace
