#include "images/ImageViewer.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "images/CDlgScrollView.h"

ImageViewer::ImageViewer(const ToolContext& context_, const QString& path_, QWidget* parent)
    : QDialog(parent), context(context_), path(path_) {
    setWindowTitle(tr("Image Viewer"));
    setObjectName(QStringLiteral("imageViewer"));

    pathLabel = new QLabel(path, this);
    pathLabel->setObjectName(QStringLiteral("pathLabel"));
    pathLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    pathLabel->setTextFormat(Qt::PlainText);
    pathLabel->setToolTip(path);
    // A long path is cut at the window's edge instead of widening the window.
    pathLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    view = new CDlgScrollView(context.pacer, this);
    view->setObjectName(QStringLiteral("view"));

    ditherCombo = new QComboBox(this);
    ditherCombo->setObjectName(QStringLiteral("ditherCombo"));
    ditherCombo->addItems({tr("None"), tr("Error Diffusion"), tr("Ordered Dither"),
                           tr("4x4 Matrix"), tr("8x8 Matrixt")});
    auto* ditherLabel = new QLabel(tr("Dither : "), this);
    ditherLabel->setBuddy(ditherCombo);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(ok, &QPushButton::clicked, this, &ImageViewer::accept);
    connect(cancel, &QPushButton::clicked, this, &ImageViewer::reject);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(ditherLabel);
    bottom->addWidget(ditherCombo);
    bottom->addStretch(1);
    bottom->addWidget(ok);
    bottom->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pathLabel);
    layout->addWidget(view, 1);
    layout->addLayout(bottom);

    ditherCombo->setCurrentIndex(0);
    view->Clear();
    CDlgScrollView::Loaded loaded;
    view->LoadImage(path, ditherMethod, loaded);
    imageType = loaded.type;
    // Nothing to dither in a black-and-white picture, nor in one that could not be read.
    ditherCombo->setEnabled(loaded.bitsPerPixel > 1);
    connect(ditherCombo, &QComboBox::currentIndexChanged, this, &ImageViewer::OnDitherChanged);
}

void ImageViewer::ReadForm() {
    const int index = ditherCombo->currentIndex();
    ditherMethod = index >= 0 && index < static_cast<int>(kDitherMethods.size())
                       ? kDitherMethods[static_cast<std::size_t>(index)]
                       : -1;
}

void ImageViewer::OnDitherChanged() {
    ReadForm();
    Reload();
}

void ImageViewer::Reload() {
    // Every choice starts again from the file, never from the last result.
    CDlgScrollView::Loaded loaded;
    view->LoadImage(path, ditherMethod, loaded);
}

void ImageViewer::accept() {
    ReadForm();
    QDialog::accept();
}
