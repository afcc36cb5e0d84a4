#include "images/ImageViewer.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "forms/Controls.h"
#include "forms/Messages.h"
#include "images/Picture.h"
#include "images/PicturePane.h"

ImageViewer::ImageViewer(const ToolContext& context, const QString& path, QWidget* parent)
    : QDialog(parent), context_(context), path_(path), preview_(context_.pacer) {
    setWindowTitle(tr("Image Viewer"));
    setObjectName(QStringLiteral("imageViewer"));

    pathLabel_ = new QLabel(path_, this);
    pathLabel_->setObjectName(QStringLiteral("pathLabel"));
    pathLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    pathLabel_->setTextFormat(Qt::PlainText);
    pathLabel_->setToolTip(path_);
    // A long path is cut at the window's edge instead of widening the window.
    pathLabel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    pane_ = new PicturePane(this);
    pane_->setObjectName(QStringLiteral("picturePane"));

    ditherList_ =
        Controls::List<DitherMethod>(this, QStringLiteral("ditherCombo"),
                                     {
                                         {tr("None"), DitherMethod::None},
                                         {tr("Error Diffusion"), DitherMethod::ErrorDiffusion},
                                         {tr("Ordered Dither"), DitherMethod::OrderedClustered},
                                         {tr("4x4 Matrix"), DitherMethod::Bayer4},
                                         {tr("8x8 Matrixt"), DitherMethod::Bayer8},
                                     });
    auto* ditherLabel = new QLabel(tr("Dither : "), this);
    ditherLabel->setBuddy(ditherList_);

    auto* ok =
        Controls::Button(this, tr("OK"), QStringLiteral("okButton"), this, &ImageViewer::accept);
    auto* cancel = Controls::Button(this, tr("Cancel"), QStringLiteral("cancelButton"), this,
                                    &ImageViewer::reject);
    // No field takes Enter here: it presses the focused button, else OK, as in any dialog.
    for (QPushButton* button : {ok, cancel}) {
        button->setAutoDefault(true);
    }
    ok->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pathLabel_);
    layout->addWidget(pane_, 1);
    layout->addLayout(Controls::Row({ditherLabel, ditherList_}, {ok, cancel}));

    ditherList_->setCurrentIndex(0);
    const std::optional<PicturePreview::Shown> shown = ShowPreview();
    if (shown) {
        type_ = shown->type;
    } else if (preview_.TooLarge()) {
        // A grey pane alone would not say why.
        context_.messages.Warning(Picture::TooLargeText());
    }
    // Nothing to dither in a black-and-white picture, nor in one that could not be read.
    ditherList_->setEnabled(shown && shown->fileBitsPerPixel > 1);
    connect(ditherList_, &QComboBox::currentIndexChanged, this, &ImageViewer::PreviewChosenMethod);
}

void ImageViewer::ReadForm() {
    method_ = ditherList_->currentIndex() < 0 ? DitherMethod::None
                                              : Controls::Chosen<DitherMethod>(ditherList_);
}

void ImageViewer::PreviewChosenMethod() {
    ReadForm();
    ShowPreview();
}

std::optional<PicturePreview::Shown> ImageViewer::ShowPreview() {
    // The pane stays empty while the file is read and converted.
    pane_->Clear();
    std::optional<PicturePreview::Shown> shown = preview_.Load(path_, method_);
    if (shown) {
        pane_->ShowPicture(shown->image);
    }
    return shown;
}

void ImageViewer::accept() {
    ReadForm();
    QDialog::accept();
}
