// PcxCodec's reader on arbitrary bytes: the header's declared size and the full decoding.
#include <QByteArrayView>
#include <QImage>
#include <cstdint>
#include <cstdlib>

#include "images/PcxCodec.h"
#include "images/Picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    const QSize declared = PcxCodec::DeclaredSize(bytes);
    int bits = -1;
    const QImage image = PcxCodec::Read(bytes, &bits);
    if (image.isNull()) {
        return 0;
    }
    // A picture read has the size its header declares, within the budget, and the bits of a
    // format we read.
    if (image.size() != declared || qint64(image.width()) * image.height() > Picture::kMostPixels) {
        std::abort();
    }
    if (bits != 1 && bits != 2 && bits != 3 && bits != 4 && bits != 8 && bits != 24 && bits != 32) {
        std::abort();
    }
    return 0;
}
