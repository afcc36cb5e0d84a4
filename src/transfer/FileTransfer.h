#pragma once

#include <QString>
#include <QtGlobal>

#include "link/PortKind.h"
#include "transfer/BlockSender.h"

class Pacer;
class PrinterPort;

// Sends a file's bytes to the printer unchanged: no header, no command, no reply. Serial,
// parallel and USB links get long time-outs for the transfer and their usual ones back after it;
// a USB device stays open throughout.
class FileTransfer {
public:
    // The progress bar counts blocks of this size on Ethernet, where the file goes in large
    // blocks.
    static constexpr qint64 kEthernetProgressUnit = 4096;
    static constexpr SerialTimeouts kTransferTimeouts{0, 1, 20000, 1, 20000};
    static constexpr SerialTimeouts kNormalTimeouts{0, 1, 3000, 1, 3000};

    enum class Outcome {
        Completed,
        CannotOpen,   // the file could not be opened; nothing was sent
        WriteFailed,  // the link refused bytes; the rest was not sent
        ReadFailed,   // the file held fewer than `size` bytes by now
    };

    FileTransfer(PrinterPort& port, Pacer& pacer);

    // Sends exactly `size` bytes of the file at `path` (the size the user was shown, even if
    // the file has grown since). Whatever happens after the file opened, the time-outs and the
    // keep-open state are set back.
    Outcome Send(const QString& path, qint64 size, const TransferProgress& progress);

    // A serial or parallel port is opened afresh after a transfer, which drops whatever is
    // still pending in its buffers. Other links are left as they are.
    void ReopenPort();

private:
    PrinterPort& port_;
    BlockSender sender_;
};
