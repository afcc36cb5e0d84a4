#pragma once

#include <QDateTime>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "images/DitherMethod.h"
#include "images/PictureType.h"
#include "transfer/BlockSender.h"

class Pacer;
class PrinterPort;

// One download of a picture into the printer's image memory: the conversion to a
// black-and-white PCX file, then the store command with the file's bytes, and the recall that
// prints it once.
class PcxDownload {
public:
    static constexpr qint64 kBlockSize = BlockSender::kBlockSize;
    static constexpr int kPauseAfterReductionMs = 50;
    static constexpr int kPauseAfterSavingMs = 200;
    static constexpr int kPauseAroundCloseMs = 100;

    // Completed, WriteFailed (the link refused bytes) or ReadFailed (the file ended early).
    using Outcome = BlockSender::Outcome;

    PcxDownload(PrinterPort& port, Pacer& pacer);
    ~PcxDownload();
    PcxDownload(const PcxDownload&) = delete;
    PcxDownload& operator=(const PcxDownload&) = delete;

    // Converts the chosen file (dithered with `ditherMethod` unless it is None, then reduced
    // to one bit if still needed) into a PCX file named after `now` ("20240131_235959.pcx") in
    // a folder of its own under `temporaryRoot` that only this user can enter, the way the
    // Image Viewer showed it (Picture::ToBlackAndWhite). When the file cannot be read as a
    // picture or the PCX cannot be saved, the chosen file is what gets sent, unless its picture
    // is too large (TooLarge), which is not to be sent at all. Returns the file to send.
    QString Convert(const QString& filePath, PictureType imageType, DitherMethod ditherMethod,
                    const QString& temporaryRoot, const QDateTime& now);
    const QString& SendPath() const { return sendPath_; }
    // Whether the last Convert refused the file for its picture's size (Picture::kMostPixels).
    bool TooLarge() const { return tooLarge_; }
    // The converted file, empty when there is none.
    QString TemporaryPath() const;

    // Opens the file to send; false when it cannot be read.
    bool Open();
    qint64 Size() const { return size_; }

    // Sends the opened file under `storeName`: header, the bytes in blocks of kBlockSize (on
    // Ethernet in BlockSender's large blocks, the bar counting blocks of kBlockSize), the recall
    // trailer. A USB device stays open throughout. Stops at the first failure; a name without
    // bytes (ImageCommands::NameProblem) sends nothing and fails. Either way the keep-open state
    // ends, the file is closed and the temporary file removed.
    Outcome Send(const QString& storeName, const TransferProgress& progress);

private:
    bool WriteAll(const QByteArray& bytes);
    void Finish(const TransferProgress& progress);
    void RemoveTemporary();

    PrinterPort& port_;
    Pacer& pacer_;
    BlockSender sender_;
    QString sendPath_;
    bool tooLarge_ = false;
    std::unique_ptr<QTemporaryDir> folder_;
    QString temporaryPath_;
    QFile file_;
    qint64 size_ = 0;
};
