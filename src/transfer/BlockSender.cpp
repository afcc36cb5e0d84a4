#include "transfer/BlockSender.h"

#include <QIODevice>
#include <algorithm>
#include <climits>

#include "forms/Pacer.h"
#include "link/PrinterPort.h"

BlockSender::BlockSender(PrinterPort& port, Pacer& pacer) : port_(port), pacer_(pacer) {}

bool BlockSender::Read(QIODevice& file, qint64 length) {
    qint64 done = 0;
    while (done < length) {
        const qint64 got = file.read(buffer_.data() + done, length - done);
        if (got <= 0) {
            return false;
        }
        done += got;
    }
    return true;
}

bool BlockSender::Write(qint64 length, bool last) {
    // A write of nothing (the last block of a file that fills its blocks exactly) succeeds
    // whatever the link says about it.
    const QByteArrayView bytes(buffer_.constData(), length);
    return port_.Write(bytes, last ? SendPause::After : SendPause::Deferred) != 0 || length == 0;
}

BlockSender::Outcome BlockSender::Send(QIODevice& file, qint64 size,
                                       const TransferProgress& progress, qint64 ethernetUnit) {
    const bool ethernet = port_.Kind() == PortKind::Ethernet;
    if (ethernet) {
        progress.setValue(kEthernetProgress);
    }
    const qint64 block = ethernet ? kEthernetBlockSize : kBlockSize;
    const qint64 room = std::min(block, size);
    if (buffer_.size() < room) {
        buffer_.resize(room);
    }
    qint64 left = size;
    // Full blocks, then the rest; on serial, parallel and USB the rest is written even when
    // there is none, as the printer has always been sent it.
    while (left > 0 || !ethernet) {
        const qint64 length = std::min(left, block);
        if (!Read(file, length)) {
            return Outcome::ReadFailed;
        }
        if (!Write(length, length == left)) {
            return Outcome::WriteFailed;
        }
        left -= length;
        pacer_.KeepPainted();
        if (length < block || (ethernet && left == 0)) {
            break;
        }
        if (ethernet) {
            const qint64 sent = size - left;
            progress.setValue(static_cast<int>(std::clamp<qint64>(
                sent / std::max<qint64>(ethernetUnit, 1), kEthernetProgress, INT_MAX)));
        } else {
            progress.step();
        }
    }
    return Outcome::Completed;
}
