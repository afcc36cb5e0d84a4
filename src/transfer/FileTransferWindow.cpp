#include "transfer/FileTransferWindow.h"

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
#include "forms/ValueLabel.h"
#include "transfer/BarProgress.h"
#include "transfer/FileTransfer.h"

FileTransferWindow::FileTransferWindow(const ToolContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setWindowTitle(tr("File Transfer"));
    setObjectName(QStringLiteral("fileTransferWindow"));
    fileName_ = tr("None");
    sizeText_ = tr("0 Byte");

    pathEdit_ = Controls::Field(this, "pathEdit");
    pathEdit_->setReadOnly(true);
    pathEdit_->setMinimumWidth(320);
    browseButton_ =
        Controls::Button(this, tr("..."), "browseButton", this, &FileTransferWindow::ChooseFile);
    fileNameLabel_ = ValueLabel::Make(this, "fileNameLabel");
    fileSizeLabel_ = ValueLabel::Make(this, "fileSizeLabel");
    progressBar_ = TransferBar(this);
    downloadButton_ = Controls::Button(this, tr("DownLoad"), "downloadButton", this,
                                       &FileTransferWindow::Download);
    closeButton_ =
        Controls::Button(this, tr("CLOSE"), "closeButton", this, &FileTransferWindow::accept);

    auto* information = new QGroupBox(tr("File Information"), this);
    auto* informationLayout = new QFormLayout(information);
    informationLayout->addRow(tr("File Name: "), fileNameLabel_);
    informationLayout->addRow(tr("File Size: "), fileSizeLabel_);

    auto* grid = new QGridLayout;
    grid->addWidget(pathEdit_, 0, 0);
    grid->addWidget(browseButton_, 0, 1);
    grid->addWidget(information, 1, 0, 1, 2);
    grid->addWidget(progressBar_, 2, 0);
    grid->addWidget(downloadButton_, 2, 1);
    grid->setColumnStretch(0, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(closeButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(bottom);

    ShowForm();
}

void FileTransferWindow::ShowForm() {
    pathEdit_->setText(filePath_);
    fileNameLabel_->setText(fileName_);
    fileSizeLabel_->setText(sizeText_);
}

void FileTransferWindow::ChooseFile() {
    const QString chosen =
        context_.files.ChooseOpen({tr("All files(*.*)") + QStringLiteral(" (*)"),
                                   tr("Text files(*.txt)") + QStringLiteral(" (*.txt)"),
                                   tr("Binary files(*.bin)") + QStringLiteral(" (*.bin)")});
    if (chosen.isEmpty()) {
        fileName_ = tr("None");
        sizeText_ = tr("0 Byte");
        filePath_.clear();
        fileSelected_ = false;
        ShowForm();
        return;
    }
    fileName_ = QFileInfo(chosen).fileName();
    QFile file;
    if (!ChosenFile::Open(file, chosen)) {
        // The earlier choice, if any, stays in force.
        context_.messages.Warning(tr("Can't open file!"));
        return;
    }
    fileSelected_ = true;
    filePath_ = chosen;
    size_ = file.size();
    sizeText_ = tr("%1 Bytes").arg(size_);
    ShowForm();
}

void FileTransferWindow::SetBusy(bool busy) {
    busy_ = busy;
    for (QWidget* control :
         {static_cast<QWidget*>(browseButton_), static_cast<QWidget*>(downloadButton_),
          static_cast<QWidget*>(closeButton_)}) {
        control->setEnabled(!busy);
    }
}

void FileTransferWindow::Download() {
    if (!fileSelected_) {
        context_.messages.Warning(tr("Please,Select a binary file!"));
        return;
    }
    const TransferProgress progress = BarProgress(progressBar_);

    // The pacer keeps the window painted between blocks but leaves user input waiting; the
    // buttons are off meanwhile, and the message box that ends the transfer is modal, so a click
    // made during the transfer starts nothing afterwards.
    SetBusy(true);
    FileTransfer transfer(context_.port, context_.pacer);
    const FileTransfer::Outcome outcome = transfer.Send(filePath_, size_, progress);
    switch (outcome) {
        case FileTransfer::Outcome::CannotOpen:
            context_.messages.Warning(tr("Can't open file!"));
            SetBusy(false);
            return;
        case FileTransfer::Outcome::Completed:
            context_.messages.Information(tr("Binary file download is completed."));
            break;
        case FileTransfer::Outcome::WriteFailed:
        case FileTransfer::Outcome::ReadFailed:
            context_.messages.Warning(tr("Binary file download failed."));
            break;
    }
    progressBar_->setValue(0);
    SetBusy(false);
    transfer.ReopenPort();
}

void FileTransferWindow::reject() {
    if (!busy_) {
        QDialog::reject();
    }
}
