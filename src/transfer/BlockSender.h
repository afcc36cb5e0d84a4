#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <functional>

class Pacer;
class PrinterPort;
class QIODevice;

// What a transfer tells its progress bar.
struct TransferProgress {
    std::function<void(int maximum)> setRange;  // 0 to maximum
    std::function<void(int value)> setValue;
    std::function<void()> step;  // one full block sent
};

// Sends the bytes of a file to the printer block by block: 2048 bytes a write on serial,
// parallel and USB, large blocks on Ethernet (so a file of ordinary size is one write). One
// buffer serves every block, so a file of any size costs one block of memory.
class BlockSender {
public:
    static constexpr qint64 kBlockSize = 2048;
    // Large enough for any label script or picture to go in one write, small enough that a
    // file of gigabytes does not cost much memory (the socket keeps a copy of each block).
    static constexpr qint64 kEthernetBlockSize = 4 * 1024 * 1024;
    static constexpr int kEthernetProgress = 20;

    enum class Outcome {
        Completed,
        WriteFailed,  // the link refused bytes; the rest was not sent
        ReadFailed,   // the file ended before `size` bytes could be read
    };

    BlockSender(PrinterPort& port, Pacer& pacer);

    // Sends `size` bytes of `file` from where it stands. Serial, parallel and USB: blocks of
    // kBlockSize with one step after each full one, and the rest in a last write even when
    // there is none. Ethernet: the bar goes to kEthernetProgress at once and, for a file of more
    // than one block, follows the bytes sent in units of `ethernetUnit` bytes; an empty file
    // sends nothing. Stops at the first failure; the windows stay painted between blocks.
    Outcome Send(QIODevice& file, qint64 size, const TransferProgress& progress,
                 qint64 ethernetUnit);

private:
    bool Read(QIODevice& file, qint64 length);
    // The last block of the file settles the link (see SendPause).
    bool Write(qint64 length, bool last);

    PrinterPort& port_;
    Pacer& pacer_;
    QByteArray buffer_;  // grows to one block at most, once
};
