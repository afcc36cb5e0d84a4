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

#include "forms/FileChooser.h"
#include "forms/Messages.h"
#include "images/ImageCommands.h"
#include "images/ImageViewer.h"
#include "images/PcxDownload.h"
#include "link/PrinterPort.h"

namespace {

QPushButton* Button(const QString& text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

QLineEdit* Field(const char* name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    return field;
}

QLabel* Value(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

PcxDownloader::PcxDownloader(const ToolContext& context_, QWidget* parent, ViewerOpener openViewer_,
                             QString temporaryRoot_)
    : QDialog(parent),
      context(context_),
      openViewer(openViewer_ ? std::move(openViewer_) : ViewerOpener(&PcxDownloader::ShowViewer)),
      temporaryRoot(temporaryRoot_.isEmpty() ? QDir::tempPath() : std::move(temporaryRoot_)) {
    setWindowTitle(tr("PCX File Downloader"));
    setObjectName(QStringLiteral("pcxDownloader"));
    fileName = tr("None");
    sizeText = tr("0 Byte");

    // Image Store: the file, its name in the printer, what it is, and the download.
    pathEdit = Field("pathEdit", this);
    pathEdit->setReadOnly(true);
    pathEdit->setMinimumWidth(320);
    auto* browse = Button(tr("..."), "browseButton", this);
    storeNameEdit = Field("storeNameEdit", this);
    fileNameLabel = Value("fileNameLabel", this);
    fileSizeLabel = Value("fileSizeLabel", this);
    progressBar = new QProgressBar(this);
    progressBar->setObjectName(QStringLiteral("progressBar"));
    progressBar->setTextVisible(false);
    progressBar->setRange(0, 1);
    progressBar->setValue(0);
    auto* download = Button(tr("DownLoad"), "downloadButton", this);

    auto* information = new QGroupBox(tr("PCX File Information"), this);
    auto* informationLayout = new QFormLayout(information);
    informationLayout->addRow(tr("File Name: "), fileNameLabel);
    informationLayout->addRow(tr("File Size: "), fileSizeLabel);

    auto* store = new QGroupBox(tr("Image Store (IS)"), this);
    auto* storeLayout = new QGridLayout(store);
    storeLayout->addWidget(pathEdit, 0, 0, 1, 2);
    storeLayout->addWidget(browse, 0, 2);
    storeLayout->addWidget(new QLabel(tr("Image Name :"), store), 1, 0);
    storeLayout->addWidget(storeNameEdit, 1, 1, 1, 2);
    storeLayout->addWidget(information, 2, 0, 1, 3);
    storeLayout->addWidget(progressBar, 3, 0, 1, 2);
    storeLayout->addWidget(download, 3, 2);
    storeLayout->setColumnStretch(1, 1);

    // Image Delete.
    deleteNameEdit = Field("deleteNameEdit", this);
    auto* deleteOne = Button(tr("Delete Image"), "deleteButton", this);
    auto* deleteAll = Button(tr("Delete All Images"), "deleteAllButton", this);
    auto* remove = new QGroupBox(tr("Image Delete (ID)"), this);
    auto* removeLayout = new QGridLayout(remove);
    removeLayout->addWidget(new QLabel(tr("Image Name :"), remove), 0, 0);
    removeLayout->addWidget(deleteNameEdit, 0, 1);
    auto* removeButtons = new QHBoxLayout;
    removeButtons->addStretch(1);
    removeButtons->addWidget(deleteOne);
    removeButtons->addWidget(deleteAll);
    removeLayout->addLayout(removeButtons, 1, 0, 1, 2);
    removeLayout->setColumnStretch(1, 1);

    // Image Information.
    auto* list = Button(tr("Image Information"), "informationButton", this);
    auto* report = new QGroupBox(tr("Image Information (II)"), this);
    auto* reportLayout = new QHBoxLayout(report);
    reportLayout->addStretch(1);
    reportLayout->addWidget(list);

    // Image Recall.
    recallNameEdit = Field("recallNameEdit", this);
    xEdit = Field("xEdit", this);
    yEdit = Field("yEdit", this);
    auto* recallButton = Button(tr("Image Recall"), "recallButton", this);
    auto* recall = new QGroupBox(tr("Image Recall (IR)"), this);
    auto* recallLayout = new QGridLayout(recall);
    recallLayout->addWidget(new QLabel(tr("Image Name :"), recall), 0, 0);
    recallLayout->addWidget(recallNameEdit, 0, 1);
    recallLayout->addWidget(new QLabel(tr("X Position :"), recall), 1, 0);
    auto* positionRow = new QHBoxLayout;
    positionRow->addWidget(xEdit);
    positionRow->addSpacing(12);
    positionRow->addWidget(new QLabel(tr("Y Position :"), recall));
    positionRow->addWidget(yEdit);
    positionRow->addStretch(1);
    positionRow->addWidget(recallButton);
    recallLayout->addLayout(positionRow, 1, 1);
    recallLayout->setColumnStretch(1, 1);
    for (QLineEdit* position : {xEdit, yEdit}) {
        position->setFixedWidth(
            position->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 16);
    }

    auto* close = Button(tr("CLOSE"), "closeButton", this);
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

std::optional<ViewerChoice> PcxDownloader::ShowViewer(const ToolContext& context,
                                                      const QString& path, QWidget* parent) {
    ImageViewer viewer(context, path, parent);
    if (viewer.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return ViewerChoice{viewer.DitherMethod(), viewer.ImageType()};
}

void PcxDownloader::ReadForm() {
    storeName = storeNameEdit->text();
    deleteName = deleteNameEdit->text();
    recallName = recallNameEdit->text();
    xText = xEdit->text();
    yText = yEdit->text();
}

void PcxDownloader::ShowForm() {
    pathEdit->setText(filePath);
    fileNameLabel->setText(fileName);
    fileSizeLabel->setText(sizeText);
    storeNameEdit->setText(storeName);
    deleteNameEdit->setText(deleteName);
    recallNameEdit->setText(recallName);
    xEdit->setText(xText);
    yEdit->setText(yText);
}

QString PcxDownloader::NameFromFile() const {
    return fileName.left(std::max<qsizetype>(0, fileName.size() - 4));
}

bool PcxDownloader::NameIsUsable(const QString& name) {
    const QString problem = ImageCommands::NameProblem(name);
    if (!problem.isEmpty()) {
        context.messages.Warning(problem);
        return false;
    }
    return true;
}

void PcxDownloader::Send(const QByteArray& command) {
    context.port.Write(command);
}

void PcxDownloader::ChooseFile() {
    // Names typed so far stay as typed when the choice is cancelled.
    ReadForm();
    const QString chosen =
        context.files.ChooseOpen({tr("Image files(*.PCX,*.BMP,*.JPG,*.JPEG)") +
                                      QStringLiteral(" (*.PCX *.BMP *.JPG *.JPEG)"),
                                  tr("All Files(*.*)") + QStringLiteral(" (*.*)")});
    fileSelected = false;
    if (!chosen.isEmpty()) {
        fileName = QFileInfo(chosen).fileName();
        filePath = chosen;
        if (const std::optional<ViewerChoice> choice = openViewer(context, filePath, this)) {
            fileSelected = true;
            ditherMethod = choice->ditherMethod;
            imageType = choice->imageType;
            QFile file(filePath);
            if (!file.open(QIODevice::ReadOnly)) {
                context.messages.Warning(tr("Can't open file!"));
                return;
            }
            sizeText = tr("%1 Bytes").arg(file.size());
            storeName = NameFromFile();
            deleteName = storeName;
            recallName = storeName;
        }
    }
    if (!fileSelected) {
        fileName = tr("None");
        sizeText = tr("0 Byte");
        filePath.clear();
    }
    ShowForm();
}

void PcxDownloader::Download() {
    if (!fileSelected) {
        context.messages.Warning(tr("Please, Select PCX files!"));
        return;
    }
    PcxDownload download(context.port, context.pacer);
    sendPath = download.Convert(filePath, imageType, ditherMethod, temporaryRoot,
                                QDateTime::currentDateTime());
    ReadForm();
    if (!download.Open()) {
        context.messages.Warning(tr("Can't open file!"));
        return;
    }
    if (storeName.isEmpty()) {
        storeName = NameFromFile();
        storeNameEdit->setText(storeName);
    }
    if (!NameIsUsable(storeName)) {
        return;
    }
    DownloadProgress progress;
    // A range of nothing would turn the bar into a busy indicator; a file of less than one
    // block keeps an empty bar instead.
    progress.setRange = [this](int maximum) { progressBar->setRange(0, std::max(maximum, 1)); };
    // The bar stops at its end, as a value past it (20 on Ethernet) means "all of it".
    progress.setValue = [this](int value) {
        progressBar->setValue(std::min(value, progressBar->maximum()));
    };
    progress.step = [this] {
        progressBar->setValue(std::min(progressBar->value() + 1, progressBar->maximum()));
    };
    if (download.Send(storeName, progress) == PcxDownload::Outcome::Completed) {
        context.messages.Information(tr("PCX file download is completed."));
    } else {
        context.messages.Warning(tr("PCX file download failed."));
    }
}

void PcxDownloader::DeleteImage() {
    ReadForm();
    if (deleteName.isEmpty()) {
        context.messages.Warning(tr("Please, type image name!"));
        return;
    }
    if (NameIsUsable(deleteName)) {
        Send(ImageCommands::Delete(deleteName));
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
    if (recallName.isEmpty()) {
        context.messages.Warning(tr("Please, type image name!"));
        return;
    }
    if (NameIsUsable(recallName)) {
        Send(ImageCommands::Recall(xText, yText, recallName));
    }
}

void PcxDownloader::accept() {
    ReadForm();
    QDialog::accept();
}
