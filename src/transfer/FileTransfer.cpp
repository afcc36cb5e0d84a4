#include "transfer/FileTransfer.h"

#include <QFile>
#include <algorithm>
#include <climits>

#include "forms/ChosenFile.h"
#include "link/PrinterPort.h"

namespace {

int Blocks(qint64 size, qint64 unit) {
    return static_cast<int>(std::min<qint64>(size / unit, INT_MAX));
}

}  // namespace

FileTransfer::FileTransfer(PrinterPort& port, Pacer& pacer) : port_(port), sender_(port, pacer) {}

FileTransfer::Outcome FileTransfer::Send(const QString& path, qint64 size,
                                         const TransferProgress& progress) {
    QFile file;
    // Blocks go straight into the sender's buffer; a read buffer of the file's own adds nothing.
    if (!ChosenFile::Open(file, path, QIODevice::Unbuffered)) {
        return Outcome::CannotOpen;
    }
    port_.SetKeepOpen(true);
    BlockSender::Outcome sent = BlockSender::Outcome::Completed;
    if (port_.Kind() == PortKind::Ethernet) {
        progress.setRange(Blocks(size, kEthernetProgressUnit));
        sent = sender_.Send(file, size, progress, kEthernetProgressUnit);
    } else {
        progress.setRange(Blocks(size, BlockSender::kBlockSize));
        port_.SetTimeouts(kTransferTimeouts);
        sent = sender_.Send(file, size, progress, kEthernetProgressUnit);
        progress.setValue(0);
        port_.SetTimeouts(kNormalTimeouts);
    }
    file.close();
    port_.SetKeepOpen(false);
    switch (sent) {
        case BlockSender::Outcome::Completed:
            return Outcome::Completed;
        case BlockSender::Outcome::WriteFailed:
            return Outcome::WriteFailed;
        case BlockSender::Outcome::ReadFailed:
            return Outcome::ReadFailed;
    }
    return Outcome::WriteFailed;
}

void FileTransfer::ReopenPort() {
    if (port_.Kind() == PortKind::Serial || port_.Kind() == PortKind::Parallel) {
        port_.Open();
    }
}
