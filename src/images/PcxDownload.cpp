#include "images/PcxDownload.h"

#include <QDir>
#include <algorithm>
#include <climits>

#include "forms/ChosenFile.h"
#include "forms/Pacer.h"
#include "images/ImageCommands.h"
#include "images/Picture.h"
#include "link/PrinterPort.h"

PcxDownload::PcxDownload(PrinterPort& port, Pacer& pacer)
    : port_(port), pacer_(pacer), sender_(port, pacer) {}

PcxDownload::~PcxDownload() {
    RemoveTemporary();
}

QString PcxDownload::TemporaryPath() const {
    return temporaryPath_;
}

QString PcxDownload::Convert(const QString& filePath, PictureType imageType,
                             DitherMethod ditherMethod, const QString& temporaryRoot,
                             const QDateTime& now) {
    RemoveTemporary();
    sendPath_ = filePath;
    Picture picture;
    const bool loaded = picture.Load(filePath, imageType);
    tooLarge_ = picture.TooLarge();
    if (!loaded) {
        return sendPath_;
    }
    if (picture.ToBlackAndWhite(ditherMethod) == Picture::Step::Reduced) {
        pacer_.Pause(kPauseAfterReductionMs);
    }
    // A shared temporary folder would let another user plant a file or link under the
    // predictable dated name; a folder of our own (mode 0700) keeps the name safe.
    folder_ = std::make_unique<QTemporaryDir>(
        QDir(temporaryRoot).filePath(QStringLiteral("tagwell-XXXXXX")));
    if (!folder_->isValid()) {
        folder_.reset();
        return sendPath_;
    }
    const QDate date = now.date();
    const QTime time = now.time();
    const QString name =
        QString::asprintf("%04d%02d%02d_%02d%02d%02d.pcx", date.year(), date.month(), date.day(),
                          time.hour(), time.minute(), time.second());
    const QString path = folder_->filePath(name);
    if (picture.SavePcx(path)) {
        sendPath_ = path;
        temporaryPath_ = path;
        pacer_.Pause(kPauseAfterSavingMs);
    } else {
        folder_.reset();
    }
    picture.Clear();
    return sendPath_;
}

bool PcxDownload::Open() {
    if (!ChosenFile::Open(file_, sendPath_)) {
        return false;
    }
    size_ = file_.size();
    return true;
}

bool PcxDownload::WriteAll(const QByteArray& bytes) {
    // A write of nothing (the last block of a file that fills its blocks exactly) succeeds
    // whatever the link says about it.
    return port_.Write(bytes) != 0 || bytes.isEmpty();
}

PcxDownload::Outcome PcxDownload::Send(const QString& storeName, const TransferProgress& progress) {
    port_.SetKeepOpen(true);
    Outcome outcome = Outcome::WriteFailed;
    const QByteArray header = ImageCommands::StoreHeader(size_, storeName);
    if (!header.isEmpty() && WriteAll(header)) {
        progress.setRange(static_cast<int>(std::min<qint64>(size_ / kBlockSize, INT_MAX)));
        outcome = sender_.Send(file_, size_, progress, kBlockSize);
    }
    if (outcome == Outcome::Completed) {
        pacer_.Pause(kPauseAroundCloseMs);
        file_.close();
        pacer_.Pause(kPauseAroundCloseMs);
        if (!WriteAll(ImageCommands::StoreTrailer(storeName))) {
            outcome = Outcome::WriteFailed;
        }
    }
    Finish(progress);
    return outcome;
}

void PcxDownload::Finish(const TransferProgress& progress) {
    file_.close();
    progress.setValue(0);
    port_.SetKeepOpen(false);
    RemoveTemporary();
}

void PcxDownload::RemoveTemporary() {
    if (file_.isOpen() && !temporaryPath_.isEmpty()) {
        file_.close();
    }
    folder_.reset();  // takes the folder and the file in it away
    temporaryPath_.clear();
}
