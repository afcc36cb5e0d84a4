#include "images/PcxDownloader.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "forms/ChosenFile.h"
#include "forms/Controls.h"
#include "forms/FileChooser.h"
#include "forms/Messages.h"
#include "forms/PrinterTextInput.h"
#include "forms/ValueLabel.h"
#include "images/ImageCommands.h"
#include "images/ImageViewer.h"
#include "images/PcxDownload.h"
#include "images/Picture.h"
#include "link/PrinterPort.h"
#include "transfer/BarProgress.h"

PcxDownloader::PcxDownloader(const ToolContext& context, QWidget* parent, QString temporaryRoot)
    : QDialog(parent),
      context_(context),
      temporaryRoot_(temporaryRoot.isEmpty() ? QDir::tempPath() : std::move(temporaryRoot)) {
    setWindowTitle(tr("PCX File Downloader"));
    setObjectName(QStringLiteral("pcxDownloader"));
    fileName_ = tr("None");
    sizeText_ = tr("0 Byte");

    // Image Store: the file, its name in the printer, what it is, and the download.
    pathEdit_ = Controls::Field(this, "pathEdit");
    pathEdit_->setReadOnly(true);
    pathEdit_->setMinimumWidth(320);
    auto* browse = Controls::Button(this, tr("..."), "browseButton");
    storeNameEdit_ = Controls::Field(this, "storeNameEdit");
    fileNameLabel_ = ValueLabel::Make(this, "fileNameLabel");
    fileSizeLabel_ = ValueLabel::Make(this, "fileSizeLabel");
    progressBar_ = TransferBar(this);
    auto* download = Controls::Button(this, tr("DownLoad"), "downloadButton");

    auto* information = new QGroupBox(tr("PCX File Information"), this);
    auto* informationLayout = new QFormLayout(information);
    informationLayout->addRow(tr("File Name: "), fileNameLabel_);
    informationLayout->addRow(tr("File Size: "), fileSizeLabel_);

    auto* store = new QGroupBox(tr("Image Store (IS)"), this);
    auto* storeLayout = new QGridLayout(store);
    storeLayout->addWidget(pathEdit_, 0, 0, 1, 2);
    storeLayout->addWidget(browse, 0, 2);
    storeLayout->addWidget(new QLabel(tr("Image Name :"), store), 1, 0);
    storeLayout->addWidget(storeNameEdit_, 1, 1, 1, 2);
    storeLayout->addWidget(information, 2, 0, 1, 3);
    storeLayout->addWidget(progressBar_, 3, 0, 1, 2);
    storeLayout->addWidget(download, 3, 2);
    storeLayout->setColumnStretch(1, 1);

    // Image Delete.
    deleteNameEdit_ = Controls::Field(this, "deleteNameEdit");
    auto* deleteOne = Controls::Button(this, tr("Delete Image"), "deleteButton");
    auto* deleteAll = Controls::Button(this, tr("Delete All Images"), "deleteAllButton");
    auto* remove = new QGroupBox(tr("Image Delete (ID)"), this);
    auto* removeLayout = new QGridLayout(remove);
    removeLayout->addWidget(new QLabel(tr("Image Name :"), remove), 0, 0);
    removeLayout->addWidget(deleteNameEdit_, 0, 1);
    auto* removeButtons = new QHBoxLayout;
    removeButtons->addStretch(1);
    removeButtons->addWidget(deleteOne);
    removeButtons->addWidget(deleteAll);
    removeLayout->addLayout(removeButtons, 1, 0, 1, 2);
    removeLayout->setColumnStretch(1, 1);

    // Image Information.
    auto* list = Controls::Button(this, tr("Image Information"), "informationButton");
    auto* report = new QGroupBox(tr("Image Information (II)"), this);
    auto* reportLayout = new QHBoxLayout(report);
    reportLayout->addStretch(1);
    reportLayout->addWidget(list);

    // Image Recall.
    recallNameEdit_ = Controls::Field(this, "recallNameEdit");
    xEdit_ = Controls::Field(this, "xEdit");
    yEdit_ = Controls::Field(this, "yEdit");
    auto* recallButton = Controls::Button(this, tr("Image Recall"), "recallButton");
    auto* recall = new QGroupBox(tr("Image Recall (IR)"), this);
    auto* recallLayout = new QGridLayout(recall);
    recallLayout->addWidget(new QLabel(tr("Image Name :"), recall), 0, 0);
    recallLayout->addWidget(recallNameEdit_, 0, 1);
    recallLayout->addWidget(new QLabel(tr("X Position :"), recall), 1, 0);
    auto* positionRow = new QHBoxLayout;
    positionRow->addWidget(xEdit_);
    positionRow->addSpacing(12);
    positionRow->addWidget(new QLabel(tr("Y Position :"), recall));
    positionRow->addWidget(yEdit_);
    positionRow->addStretch(1);
    positionRow->addWidget(recallButton);
    recallLayout->addLayout(positionRow, 1, 1);
    recallLayout->setColumnStretch(1, 1);
    for (QLineEdit* position : {xEdit_, yEdit_}) {
        position->setFixedWidth(
            position->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 16);
    }

    auto* close = Controls::Button(this, tr("CLOSE"), "closeButton");
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(store);
    layout->addWidget(remove);
    layout->addWidget(report);
    layout->addWidget(recall);
    layout->addLayout(bottom);

    connect(browse, &QPushButton::clicked, this, &PcxDownloader::ChooseFile);
    connect(download, &QPushButton::clicked, this, &PcxDownloader::Download);
    connect(deleteOne, &QPushButton::clicked, this, &PcxDownloader::DeleteImage);
    connect(deleteAll, &QPushButton::clicked, this, &PcxDownloader::DeleteAllImages);
    connect(list, &QPushButton::clicked, this, &PcxDownloader::ImageInformation);
    connect(recallButton, &QPushButton::clicked, this, &PcxDownloader::RecallImage);
    connect(close, &QPushButton::clicked, this, &PcxDownloader::accept);

    ShowForm();
}

void PcxDownloader::ReadForm() {
    storeName_ = storeNameEdit_->text();
    deleteName_ = deleteNameEdit_->text();
    recallName_ = recallNameEdit_->text();
    xText_ = xEdit_->text();
    yText_ = yEdit_->text();
}

void PcxDownloader::ShowForm() {
    pathEdit_->setText(filePath_);
    fileNameLabel_->setText(fileName_);
    fileSizeLabel_->setText(sizeText_);
    storeNameEdit_->setText(storeName_);
    deleteNameEdit_->setText(deleteName_);
    recallNameEdit_->setText(recallName_);
    xEdit_->setText(xText_);
    yEdit_->setText(yText_);
}

QString PcxDownloader::NameFromFile() const {
    return fileName_.left(std::max<qsizetype>(0, fileName_.size() - 4));
}

bool PcxDownloader::NameIsUsable(const QString& name, QLineEdit* field) {
    return Refuse(ImageCommands::NameProblem(name), field);
}

bool PcxDownloader::PositionIsUsable(const QString& position, QLineEdit* field) {
    return PrinterTextInput::ReadField(position, field, context_.messages).has_value();
}

bool PcxDownloader::Refuse(const QString& problem, QLineEdit* field) {
    if (problem.isEmpty()) {
        return true;
    }
    context_.messages.Warning(problem);
    field->setFocus();
    return false;
}

void PcxDownloader::Send(const QByteArray& command) {
    context_.port.Write(command);
}

void PcxDownloader::ChooseFile() {
    // Names typed so far stay as typed when the choice is cancelled.
    ReadForm();
    const QString chosen =
        context_.files.ChooseOpen({tr("Image files(*.PCX,*.BMP,*.JPG,*.JPEG)") +
                                       QStringLiteral(" (*.PCX *.BMP *.JPG *.JPEG)"),
                                   tr("All Files(*.*)") + QStringLiteral(" (*.*)")});
    fileSelected_ = false;
    if (!chosen.isEmpty()) {
        fileName_ = QFileInfo(chosen).fileName();
        filePath_ = chosen;
        ImageViewer viewer(context_, filePath_, this);
        if (context_.run(viewer) == QDialog::Accepted) {
            fileSelected_ = true;
            method_ = viewer.Method();
            type_ = viewer.Type();
            tooLarge_ = viewer.TooLarge();
            QFile file;
            if (!ChosenFile::Open(file, filePath_)) {
                context_.messages.Warning(tr("Can't open file!"));
                return;
            }
            sizeText_ = tr("%1 Bytes").arg(file.size());
            storeName_ = NameFromFile();
            deleteName_ = storeName_;
            recallName_ = storeName_;
        }
    }
    if (!fileSelected_) {
        fileName_ = tr("None");
        sizeText_ = tr("0 Byte");
        filePath_.clear();
    }
    ShowForm();
}

void PcxDownloader::Download() {
    if (!fileSelected_) {
        context_.messages.Warning(tr("Please, Select PCX files!"));
        return;
    }
    // Nor does a picture too large to read go as the file's own bytes: no printer could hold
    // it, and no one has seen it.
    if (tooLarge_) {
        context_.messages.Warning(Picture::TooLargeText());
        return;
    }
    PcxDownload download(context_.port, context_.pacer);
    sendPath_ =
        download.Convert(filePath_, type_, method_, temporaryRoot_, QDateTime::currentDateTime());
    ReadForm();
    if (download.TooLarge()) {
        context_.messages.Warning(Picture::TooLargeText());
        return;
    }
    if (!download.Open()) {
        context_.messages.Warning(tr("Can't open file!"));
        return;
    }
    if (storeName_.isEmpty()) {
        storeName_ = NameFromFile();
        storeNameEdit_->setText(storeName_);
    }
    if (!NameIsUsable(storeName_, storeNameEdit_)) {
        return;
    }
    const TransferProgress progress = BarProgress(progressBar_);
    if (download.Send(storeName_, progress) == PcxDownload::Outcome::Completed) {
        context_.messages.Information(tr("PCX file download is completed."));
    } else {
        context_.messages.Warning(tr("PCX file download failed."));
    }
}

void PcxDownloader::DeleteImage() {
    ReadForm();
    if (deleteName_.isEmpty()) {
        context_.messages.Warning(tr("Please, type image name!"));
        return;
    }
    if (NameIsUsable(deleteName_, deleteNameEdit_)) {
        Send(ImageCommands::Delete(deleteName_));
    }
}

void PcxDownloader::DeleteAllImages() {
    Send(ImageCommands::DeleteAll());
}

void PcxDownloader::ImageInformation() {
    Send(ImageCommands::Information());
}

void PcxDownloader::RecallImage() {
    ReadForm();
    if (recallName_.isEmpty()) {
        context_.messages.Warning(tr("Please, type image name!"));
        return;
    }
    if (NameIsUsable(recallName_, recallNameEdit_) && PositionIsUsable(xText_, xEdit_) &&
        PositionIsUsable(yText_, yEdit_)) {
        Send(ImageCommands::Recall(xText_, yText_, recallName_));
    }
}

void PcxDownloader::accept() {
    ReadForm();
    QDialog::accept();
}
