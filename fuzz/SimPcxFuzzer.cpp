// The simulator's own PCX reader (what a printer takes into its image memory) on arbitrary bytes,
// checked against the program's reader: the two are written apart on purpose, so a one-bit file
// both take must give the same dots.
#include <QByteArrayView>
#include <QImage>
#include <QList>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "images/PcxCodec.h"
#include "sim/ImageFiles.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Where the program's reader takes the file too, with plain black and white for its colours
// (the simulator ignores the header palette), every dot must agree.
void SameAsProgram(std::string_view file, const sim::StoredImage& image) {
    const QImage program =
        PcxCodec::Read(QByteArrayView(file.data(), static_cast<qsizetype>(file.size())));
    if (program.isNull() ||
        program.colorTable() != QList<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)}) {
        return;
    }
    Check(program.width() == image.width && program.height() == image.height);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            Check((program.pixelIndex(x, y) == 0) == image.Black(x, y));
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    sim::StoredImage image;
    std::string why;
    if (!sim::ImageFiles::DecodePcx(file, image, why)) {
        Check(!why.empty());  // a refusal always says why
        return 0;
    }
    Check(image.width >= 1 && image.height >= 1 &&
          image.dots.size() == static_cast<std::size_t>(image.width) * image.height);
    // Small pictures only: the rest would slow the run down and check nothing new.
    if (static_cast<std::size_t>(image.width) * image.height <= 256 * 256) {
        // What people look at must come out of any picture the printer took.
        Check(!sim::ImageFiles::EncodePng(image).empty());
        SameAsProgram(file, image);
    }
    return 0;
}
